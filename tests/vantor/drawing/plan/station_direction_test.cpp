// The direction of a station and its normals: the eight quadrant states, the direction from the
// alignment element at a chainage, and the label text.
#include "plan_fixture.h"
#include "vantor/drawing/plan/station_direction.h"
#include "vantor/drawing/plan/station_label.h"
#include "vantor/model/bus/alignment_tables.h"
#include "vantor/model/bus/drawing_tables.h"

#include <cmath>

namespace {

using namespace 縦断bus;

class StationDirection : public plan_test::PlanTest {};

// A direction by its bearing: the quadrant state, the tangent angle and the normals in degrees
// for the label, and the normals in radians for the points.
TEST_F(StationDirection, EightStatesAndTheirNormals) {
    const double t = std::atan(0.5) * 180 / M_PI; // 26.565°
    const struct {
        double dx, dy;
        int state;
        double left, right;
    } cases[] = {
        {2, 1, 1, t + 90, t - 90},    {2, -1, 2, -t + 90, -t - 90}, {-2, -1, 3, t - 90, t + 90},
        {-2, 1, 4, -t - 90, -t + 90}, {0, 1, 5, -180, 0},           {0, -1, 6, 0, -180},
        {1, 0, 7, 90, -90},           {-1, 0, 8, -90, 90},
    };
    for (const auto& c : cases) {
        const Normals normals = SetDirection(std::atan2(c.dy, c.dx));
        EXPECT_EQ(wkshougen, c.state) << c.dx << "," << c.dy;
        EXPECT_FLOAT_EQ(wkhidarikaku, static_cast<float>(c.left)) << c.state;
        EXPECT_FLOAT_EQ(wkmigikaku, static_cast<float>(c.right)) << c.state;
        EXPECT_NEAR(normals.left.x, std::cos(c.left * M_PI / 180), 1e-12) << c.state;
        EXPECT_NEAR(normals.left.y, std::sin(c.left * M_PI / 180), 1e-12) << c.state;
        EXPECT_NEAR(normals.right.x, std::cos(c.right * M_PI / 180), 1e-12) << c.state;
        EXPECT_NEAR(normals.right.y, std::sin(c.right * M_PI / 180), 1e-12) << c.state;
    }
    // The left normal of a direction up the Y axis points to -X: a label there reads downwards.
    float x, y;
    PointToward(0, 0, 10000, SetDirection(M_PI / 2).left, x, y);
    EXPECT_EQ(x, -10000);
    EXPECT_EQ(y, 0);
}

// The direction comes from the element that holds the chainage: the first straight up to the
// BC (50 m), the curve turning left through a right angle to the EC (128.54 m), the last
// straight after it; the ends of the road need no rule of their own.
TEST_F(StationDirection, DirectionFromTheElementThatHoldsTheChainage) {
    const struct {
        double chainage, left;
    } cases[] = {{0, 90},
                 {50000, 90},
                 {50000 + 50000 * M_PI / 8, 112.5},
                 {50000 + 50000 * M_PI / 4, 135},
                 {128540, 180},
                 {178540, 180},
                 {200000, 180},
                 {-1000, 90}};
    for (const auto& c : cases) {
        SetDirectionAt(c.chainage);
        EXPECT_NEAR(wkhidarikaku, c.left == 180 ? -180 : c.left, 0.01) << c.chainage;
    }
    // Station 1 and the last station (160 m, on the last straight) of the plan.
    EXPECT_EQ(SetStationDirection(1).left.y, 1);
    EXPECT_EQ(SetStationDirection(5).right.x, 1);
}

TEST_F(StationDirection, LabelTexts) {
    const struct {
        float chainage;
        const char* text;
    } cases[] = {{20000, "+ 20.00"}, {20004, "+ 20.00"}, {20009.5f, "+ 20.01"}, {123456.7f, "+ 123.457"},
                 {39999.9f, "+ 40"}, {0, "+ 0.00"},      {120500, "+ 120.5"}};
    for (const auto& c : cases) EXPECT_EQ(StationLabelText(c.chainage), c.text) << c.chainage;
}

} // namespace
