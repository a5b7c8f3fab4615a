#pragma once
// The profile grid of 入出力画面, rebuilt from the profile table.
#include "vantor/geometry/grid/curve_point_marks.h"

#include <array>
#include <string>

namespace 縦断bus {

inline constexpr int kGridColumns = 8;
// Grid columns 0..3 hold what the user enters; 4..7 what the profile computation gives.
inline constexpr int kEditableGridColumns = 4;

// The text a grid shows for a table value: empty for the empty marker 99999, else its number
// text. Every grid that shows an empty station shows it this way.
std::string GridCellText(float value);

// The texts of grid row `row` (station `row` of tatedata): empty cells for 99999, the
// difference split into cut and fill, no gradient without a station, and the station marked
// by `marks` (CurvePointMarks::OfAlignment(), built once per fill).
std::array<std::string, kGridColumns> GridRowTexts(int row, const CurvePointMarks& marks);

// Rebuilds the whole grid: sizes, headers and one row per station.
void hyoujitate();

} // namespace 縦断bus
