#include "alignment_fixture.h"
#include "tests/support/program_reset.h"
#include "vantor/geometry/alignment/ip_alignment.h"
#include "vantor/geometry/alignment/plan_point.h"
#include "vantor/model/bus/alignment_tables.h"
#include "vantor/model/縦断bus.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace 縦断bus;
using alignment_test::PlaceStation;

class StationPosition : public ::testing::Test {
protected:
    void SetUp() override {
        test_support::ResetProgram();
        alignment_test::SetPolygon({{0, 0}, {100, 0, 50}, {100, 100}}); // total 178.54 m
        ComputeIpAlignment();
    }
};

TEST_F(StationPosition, NegativeChainageLiesBackwardsOnTheFirstLeg) {
    PlaceStation(1, -10);
    EXPECT_EQ(sokutenx(1), -10000.0f);
    EXPECT_EQ(sokuteny(1), 0.0f);
    EXPECT_EQ(hojox(1, 1), -10001.0f);
    EXPECT_EQ(hojox(1, 2), -9999.0f);
}

TEST_F(StationPosition, StationAtTheBcIsPlacedOnTheCurve) {
    sayuu(1) = 0;
    PlaceStation(1, 50);
    EXPECT_EQ(sokutenx(1), bczahyou(1, 1));
    EXPECT_EQ(sokuteny(1), bczahyou(1, 2));
    EXPECT_EQ(sayuu(1), -1.0f);
    EXPECT_EQ(sayuumoji, "hidari");
}

TEST_F(StationPosition, LastStationAfterTheLastEcAlsoPlacesTheEnd) {
    const struct {
        int row;
        double station;
        bool endRow; // row + 1 receives the end of the road
    } cases[] = {{5, 150, true}, {5, 100, false}, {500, 150, false}};
    for (const auto& c : cases) {
        SetUp();
        heimensokutensuu = c.row;
        PlaceStation(c.row, c.station);
        if (c.row < 500) {
            EXPECT_EQ(sokutenx(c.row + 1), c.endRow ? 100000.0f : 0.0f) << c.row << " " << c.station;
            EXPECT_EQ(sokuteny(c.row + 1), c.endRow ? 100000.0f : 0.0f);
            EXPECT_EQ(hojoy(c.row + 1, 2), c.endRow ? 100001.0f : 0.0f);
        }
    }
}

// The 3D model's placement of any chainage: a chainage at the BC lies on the straight, the
// curve's side is kept only in sayuumoji, the station rows are not touched.
TEST_F(StationPosition, PlanPointOfTheThreeDModel) {
    hojokyori = 1.0f;
    const PlanPointOptions threeD{.curveStartOnCurve = false, .recordSide = false};
    const float bc = iptsuikakyori(1) - kukanchou(1, 2);
    PlanPoint point;
    wkshougen = 0;
    EXPECT_FALSE(PlacePlanPoint(bc, point, threeD));
    EXPECT_NEAR(point.x, bczahyou(1, 1), 0.01);
    EXPECT_NEAR(point.y, bczahyou(1, 2), 0.01);
    EXPECT_NEAR(point.auxX[2], bczahyou(1, 1) + 1, 0.01); // on the straight's line, 1 mm on
    EXPECT_EQ(point.auxY[2], 0.0f);
    EXPECT_EQ(wkshougen, 0); // no curve computation ran

    // Inside the left-turning curve: on the arc, the side in sayuumoji alone.
    sayuu(1) = 0;
    const double middle = bc + kukanchou(1, 2) / 2.0;
    EXPECT_FALSE(PlacePlanPoint(middle, point, threeD));
    EXPECT_EQ(sayuumoji, "hidari");
    EXPECT_EQ(sayuu(1), 0.0f);
    const double radius = 50000, cx = 50000, cy = 50000; // the curve's centre
    EXPECT_NEAR(std::hypot(point.x - cx, point.y - cy), radius, 1.0);
    EXPECT_NEAR(std::hypot(point.auxX[2] - point.auxX[1], point.auxY[2] - point.auxY[1]), 2.0, 1e-2);
    for (int k = 0; k <= 500; ++k) ASSERT_EQ(sokutenx(k), 0.0f) << k;

    // The same chainage as a station records the side; beyond the last EC both say so.
    PlacePlanPoint(middle, point);
    EXPECT_EQ(sayuu(1), -1.0f);
    EXPECT_TRUE(PlacePlanPoint(170000, point, threeD));
    EXPECT_EQ(point.x, 100000.0f);
}

TEST(PlanPoint, StraightRoadWithoutIps) {
    test_support::ResetProgram();
    alignment_test::SetPolygon({{0, 0}, {100, 0}});
    ComputeIpAlignment();
    hojokyori = 1.0f;
    PlanPoint point;
    EXPECT_TRUE(PlacePlanPoint(20000, point, {.curveStartOnCurve = false, .recordSide = false}));
    EXPECT_EQ(point.x, 20000.0f);
    EXPECT_EQ(point.y, 0.0f);
    EXPECT_EQ(point.auxX[1], 19999.0f);
    EXPECT_EQ(point.auxX[2], 20001.0f);
}

} // namespace
