#pragma once
// The computation unit's coordinate conversion table.
#include "vantor/model/bus/bus_table.h"

namespace 縦断bus {

// ---- Coordinate conversion ----
inline Table<double, 20, 4> zahyoudata; // 1 x, 2 y on site, 3 X, 4 Y in the drawing [m]; kEmpty: blank
inline int zahyousuu = 0;

} // namespace 縦断bus
