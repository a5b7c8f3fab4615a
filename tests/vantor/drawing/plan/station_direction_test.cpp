// The direction of a station and its normals: the eight quadrant states, what is kept when the
// auxiliary points coincide, the label text, and the end rules at the first and last station.
#include "plan_fixture.h"
#include "vantor/drawing/cad_channel.h"
#include "vantor/drawing/plan/station_direction.h"
#include "vantor/drawing/plan/station_label.h"

#include <cmath>

namespace {

using namespace 縦断bus;

class StationDirection : public plan_test::PlanTest {
protected:
    // Station k's auxiliary points 1 either side of (x, y) along (dx, dy).
    static void SetAuxiliary(int k, float x, float y, float dx, float dy) {
        sokutenx(k) = x;
        sokuteny(k) = y;
        hojox(k, 1) = x - dx / 2;
        hojoy(k, 1) = y - dy / 2;
        hojox(k, 2) = x + dx / 2;
        hojoy(k, 2) = y + dy / 2;
    }
};

TEST_F(StationDirection, EightStatesAndTheirNormals) {
    const float t = static_cast<float>(std::atan(0.5) * 180 / 3.141592);   // 26.565°
    const struct {
        float dx, dy;
        int state;
        float left, right;
    } cases[] = {
        {2, 1, 1, t + 90, t - 90},  {2, -1, 2, -t + 90, -t - 90}, {-2, -1, 3, t - 90, t + 90},
        {-2, 1, 4, -t - 90, -t + 90}, {0, 1, 5, -180, 0},          {0, -1, 6, 0, -180},
        {1, 0, 7, 90, -90},         {-1, 0, 8, -90, 90},
    };
    for (const auto& c : cases) {
        SetDirection(c.dx, c.dy);
        EXPECT_EQ(wkshougen, c.state) << c.dx << "," << c.dy;
        EXPECT_FLOAT_EQ(wkhidarikaku, c.left) << c.state;
        EXPECT_FLOAT_EQ(wkmigikaku, c.right) << c.state;
    }
    // The left normal of a direction up the Y axis points to -X: a label there reads downwards.
    SetDirection(0, 2);
    float x, y;
    PointToward(0, 0, 10000, wkhidarikaku, x, y);
    EXPECT_EQ(cad_channel::Point(x, y), "-10000,-0.0265359");
}

TEST_F(StationDirection, CoincidingAuxiliaryPointsKeepWhatTheStationBeforeLeft) {
    SetDirection(2, -1);
    const float theta = wkhoukoukaku, left = wkhidarikaku, right = wkmigikaku;
    SetDirection(0, 0);
    EXPECT_EQ(wkshougen, 2);
    EXPECT_EQ(wkhoukoukaku, theta);
    EXPECT_EQ(wkhidarikaku, left);
    EXPECT_EQ(wkmigikaku, right);
    // Before any state at all the normals stay as they are.
    ResetState();
    SetDirection(0, 0);
    EXPECT_EQ(wkshougen, 0);
    EXPECT_EQ(wkhidarikaku, 0.0f);
}

TEST_F(StationDirection, LabelTexts) {
    const struct {
        float chainage;
        const char* text;
    } cases[] = {{20000, "+ 20.00"}, {20004, "+ 20.00"}, {20009.5f, "+ 20.01"}, {123456.7f, "+ 123.457"},
                 {39999.9f, "+ 40"},   {0, "+ 0.00"},     {120500, "+ 120.5"}};
    for (const auto& c : cases) EXPECT_EQ(StationLabelText(c.chainage), c.text) << c.chainage;
}

// Station 1 of a road whose third station lies beyond the first BC takes its angle from its
// rear auxiliary point toward the BC; a BC straight above that point gives 90 where the plain
// quotient would divide by 0; a road without IP has no BC and uses the auxiliary points.
TEST_F(StationDirection, FirstStationRule) {
    heimensokutensuu = 3;
    sokutenkyori(3) = 80000;
    saishochokusen = 50000;
    SetAuxiliary(1, 0, 0, 2, 1);
    const struct {
        int ips;
        float bcX, bcY;
        float left;
    } cases[] = {
        {1, 50000, 50000, 135},          // toward the BC: 45°
        {1, -1, 50000, 180},             // BC straight above the rear point: 90°
        {1, -1, -0.5f, 116.565f},        // BC on the rear point: the auxiliary points decide
        {0, 50000, 50000, 116.565f},     // no IP: the auxiliary points, 26.565°
    };
    for (const auto& c : cases) {
        ipsuu = c.ips;
        bczahyou(1, 1) = c.bcX;
        bczahyou(1, 2) = c.bcY;
        SetStationDirection(1);
        EXPECT_NEAR(wkhidarikaku, c.left, 0.001) << c.bcX << "," << c.bcY << " ips " << c.ips;
        EXPECT_EQ(wkshougen, 1);
    }
    sokutenkyori(3) = 50000;   // the third station at the BC: the auxiliary points
    ipsuu = 1;
    bczahyou(1, 1) = bczahyou(1, 2) = 50000;
    SetStationDirection(1);
    EXPECT_NEAR(wkhidarikaku, 116.565f, 0.001);
}

// The last station of a road whose station before it lies before the last EC takes its angle
// from the last EC toward the end of the road, when the station computation placed the end.
TEST_F(StationDirection, LastStationRule) {
    ipsuu = 1;
    heimensokutensuu = 3;
    saishochokusen = 0;
    iptsuikakyori(1) = 100000;
    sokutenkyori(2) = 90000;
    sokutenkyori(3) = 120000;   // beyond the EC: entry 4 is the end of the road
    eczahyou(1, 1) = 0;
    eczahyou(1, 2) = 0;
    SetAuxiliary(3, 10, 10, 2, 1);
    const struct {
        float lastChainage, endX, endY;
        float left;
    } cases[] = {
        {120000, 100, 100, 135},       // EC toward the end: 45°
        {120000, 0, 100, 180},         // the end straight above the EC: 90°
        {120000, 0, 0, 116.565f},      // end on the EC: the auxiliary points decide
        {95000, 100, 100, 116.565f},   // the last station on the curve: entry 4 is not the end
    };
    for (const auto& c : cases) {
        sokutenkyori(3) = c.lastChainage;
        sokutenx(4) = c.endX;
        sokuteny(4) = c.endY;
        SetStationDirection(3);
        EXPECT_NEAR(wkhidarikaku, c.left, 0.001) << c.lastChainage << " " << c.endX << "," << c.endY;
    }
}

} // namespace
