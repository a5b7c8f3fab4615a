#pragma once
// Station-row insertion: an empty station row before the profile grid's current row, in
// every station table at once.
#include <string>

namespace 縦断bus {

inline const std::string kSounyuuMantan = "測点は500行までです。これ以上行を挿入できません。";

// Why inserting before row `gyou` is refused, or the empty text when it may go ahead.
std::string sounyuukyohi(int gyou);

// Inserts an empty station row before row `gyou` (1 .. sokutensuu + 1) of every station
// table and counts it in sokutensuu. The caller has checked sounyuukyohi.
void sounyuugyou(int gyou);

// Inserts a row before the grid's current row and refills the
// grid; a refused insertion shows its reason and changes nothing.
void gyousounyuu();

} // namespace 縦断bus
