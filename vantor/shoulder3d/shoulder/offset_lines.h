#pragma once
// The eight shoulder offset lines and the plan points keisanrokatasen leaves for them. Line k
// is numbered as the shoulder screen's boxes: 0..3 are L1..L4 left, 4..7 L1..L4 right. Each
// line takes its width [m] from one column of rokatadata (4, 3, 2, 1 left; 6, 7, 8, 9 right)
// and keeps one point per station [mm] in its pair of tables.
#include "vantor/model/bus/station_tables.h"

#include <array>

namespace 縦断bus {

struct OffsetLine {
    int widthColumn; // column of rokatadata
    bool left;       // on the left normal
    Table<float, 500>& x;
    Table<float, 500>& y;
};

inline constexpr int kOffsetLines = 8;

// Line k (0..7).
const OffsetLine& OffsetLineOf(int k);

// The width [m] of line k at station i.
inline float OffsetWidth(const OffsetLine& line, int i) { return rokatadata(i, line.widthColumn); }

} // namespace 縦断bus
