#pragma once
// Moves of whole station rows. The station-parallel tables (profile, cross slopes,
// cross-section texts, shoulder offsets) move together, each over its own columns: column 0
// of every table and the distance column 8 of the profile stay with the row number.
#include <string>

namespace 縦断bus {

inline constexpr int kSaidaiSokutensuu = 500; // rows of the profile table

// Moves rows from .. last of every station table one row down (to from + 1 .. last + 1).
void gyouwosageru(int from, int last);

// Moves rows from + 1 .. last + 1 of every station table one row up (to from .. last).
void gyouwoageru(int from, int last);

// Empties row r of every station table: 99999 in the numeric tables, 0 in the shoulder
// offsets, `moji` in the cross-section texts.
void gyouwokesu(int r, const std::string& moji);

} // namespace 縦断bus
