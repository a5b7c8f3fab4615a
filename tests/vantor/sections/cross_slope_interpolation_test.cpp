// The shared cross-slope interpolation at the two scales it is used at: station metres for the
// cross-slope table, chainage millimetres for the 3D model.
#include "vantor/sections/cross_slope_interpolation.h"

#include <gtest/gtest.h>

namespace {

using namespace 縦断bus;

// Change points out of station order: 0 m 2 %, 20.3 m 4 %, 5 m 0 %, 10 m 1 %. At 20.3 m the
// first pair holds the station when it is compared as single-precision millimetres (20300 mm
// on both sides) and gives 4 %; compared in metres the single 20.3 lies below the double 20.3,
// no pair holds it and the last pair is extended: (20.3 − 5) / 5 = 3.06 %.
TEST(CrossSlopeInterpolation, ComparesAtTheScaleOfThePositions) {
    CrossSlopePoints stations, slopes;
    const float points[4][2] = {{0, 2}, {20.3f, 4}, {5, 0}, {10, 1}};
    for (int m = 1; m <= 4; ++m) stations(m) = points[m - 1][0], slopes(m) = points[m - 1][1];

    EXPECT_EQ(FourDecimalSlope(static_cast<float>(*InterpolatedCrossSlope(stations, slopes, 4, 20300.0f, 1000))), 4.0f);
    EXPECT_EQ(FourDecimalSlope(static_cast<float>(*InterpolatedCrossSlope(stations, slopes, 4, 20.3))), 3.06f);
    // Fewer than two points, or a deciding pair at one station: no slope.
    EXPECT_FALSE(InterpolatedCrossSlope(stations, slopes, 1, 3));
    stations(2) = 0;
    EXPECT_FALSE(InterpolatedCrossSlope(stations, slopes, 2, 0));
}

} // namespace
