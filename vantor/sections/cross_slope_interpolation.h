#pragma once
// The cross slope between change points, shared by the station slopes of the cross-slope
// table and the 3D model's slopes at any chainage.
#include "platform/runtime/table.h"
#include "vantor/model/bus/bus_table.h"

#include <optional>

namespace 縦断bus {

using CrossSlopePoints = rt::Table<float, 200>;

// The slope [%] at x on change points 1..count (stations [m], slopes [%]) taken in row order,
// not sorted: the first pair of consecutive points that holds x gives its line; a position
// before the first or beyond the last point is extended along the first or the last pair,
// tested at the first pair in order that does not hold it. None when no pair decides (fewer
// than two points, or points out of order around x) or the deciding pair shares its station.
// x is in metres × scale (1000: millimetres of chainage); each station is compared at that
// scale rounded to single precision, as the positions it is compared with are.
std::optional<double> InterpolatedCrossSlope(const CrossSlopePoints& stations, const CrossSlopePoints& slopes,
                                             int count, double x, double scale = 1);

// A slope rounded to four decimals, halves up.
float FourDecimalSlope(float slope);

} // namespace 縦断bus
