#pragma once
// Cross slopes of every station from the change points given in yokodata (the rows whose
// reference slope, column 4 left or 7 right, is not empty): linear by station between
// consecutive change points in row order and extended along the first and the last segment,
// rounded to four decimals; then the shoulder heights (columns 1 and 10) from the planned
// height, the width and the slope, the drop rounded to whole millimetres. Without planned
// heights of the current profile input the shoulder heights are left empty.
//
// A side with fewer than two change points gets no new slope: each station keeps the slope
// its own row holds (0 where it holds none), so nothing of an earlier document carries over.
#include "platform/forms/flex_grid.h"

#include <string>

namespace 縦断bus {

inline constexpr int kCrossSlopeRows = 200; // station rows the slope tables hold

struct CrossSlopeRun {
    bool computed = true;                         // false: too many stations, nothing changed
    bool leftTooFew = false, rightTooFew = false; // fewer than two change points on the side
    bool plannedHeights = true;                   // false: shoulder heights left empty
};

// The tables alone.
CrossSlopeRun ComputeCrossSlopes();
// The grid of the cross-slope screen from yokodata: rows, row heights, number texts with
// "幅未入力" for a missing width, and the curve-point labels once the alignment is computed.
void FillCrossSlopeGrid(forms::FlexGrid& grid);
// What to tell the user about the run; empty when all is well.
std::string CrossSlopeNotice(const CrossSlopeRun& run);

// The tables and the grid of 横断勾配入力画面 (loaded, not shown, when it is not loaded yet).
// More than 200 stations are refused with a message and change nothing.
bool keisanyokokoubai();

} // namespace 縦断bus
