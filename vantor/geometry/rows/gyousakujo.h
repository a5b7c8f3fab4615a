#pragma once
// Station-row deletion: the station row at the profile grid's current row leaves every
// station table at once.
#include <string>

namespace 縦断bus {

inline const std::string kSakujoGyouNashi = "削除する測点の行を選んでください。";
inline const std::string kSakujoSaigo = "測点が1行だけのときは削除できません。";

// Why deleting row `gyou` is refused, or the empty text when it may go ahead.
std::string sakujokyohi(int gyou);

// The text the grid's current cell shows after row `gyou` is deleted while column `retsu`
// is current: the value that moves up into table column retsu + 1, empty for 99999.
std::string sakujogomoji(int gyou, int retsu);

// Deletes row `gyou` of every station table and counts it out of sokutensuu. The caller
// has checked sakujokyohi.
void sakujogyou(int gyou);

// Deletes the grid's current row and refills the grid;
// after the last row the grid's current row moves up to the new last row. A refused
// deletion shows its reason and changes nothing.
void gyousakujo();

} // namespace 縦断bus
