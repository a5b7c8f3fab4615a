#include "alignment_fixture.h"
#include "vantor/geometry/alignment/ip_alignment.h"

#include <gtest/gtest.h>

namespace {

using namespace 縦断bus;
using alignment_test::PlaceStation;

class StationPosition : public ::testing::Test {
protected:
    void SetUp() override {
        ResetState();
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

} // namespace
