#include "alignment_fixture.h"
#include "vantor/geometry/ip_alignment.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace 縦断bus;
using alignment_test::PlaceStation;
using alignment_test::SetPolygon;
using Status = IpAlignmentResult::Status;

class IpAlignment : public ::testing::Test {
protected:
    void SetUp() override { ResetState(); }
};

TEST_F(IpAlignment, RightAngleTurn) {
    SetPolygon({{0, 0}, {100, 0, 50}, {100, 100}});
    ASSERT_EQ(ComputeIpAlignment().status, Status::Computed);

    EXPECT_EQ(ipkyori(1), 100000.0f);
    EXPECT_EQ(ipkyori(2), 100000.0f);
    EXPECT_EQ(koukaku(1), 1.5707964f);
    EXPECT_EQ(setsusenchou(1), 50000.004f);
    EXPECT_EQ(kyokusenchou(1), 78539.82f);
    EXPECT_EQ(bczahyou(1, 1), 49999.996f);
    EXPECT_EQ(bczahyou(1, 2), 0.0f);
    EXPECT_EQ(eczahyou(1, 1), 100000.0f);
    EXPECT_EQ(eczahyou(1, 2), 50000.004f);
    EXPECT_EQ(chuushinx(1), 49999.996f);
    EXPECT_EQ(chuushiny(1), 50000.004f);
    EXPECT_EQ(katamuki(1), 0.0f);
    EXPECT_EQ(katamuki(2), 1.570796f);
    EXPECT_EQ(kukanchou(1, 1), 50000.0f);
    EXPECT_EQ(kukanchou(1, 2), 78540.0f);
    EXPECT_EQ(saishochokusen, 50000.0f);
    EXPECT_EQ(bcsokuten(1), 50000.0f);
    EXPECT_EQ(ecsokuten(1), 128540.0f);
    EXPECT_EQ(iptsuikakyori(2), 178540.0f);
    EXPECT_NEAR(souenchou, 178539.81f, 0.01f);

    const struct { double station; float x, y; } stations[] = {
        {89.3, 85376.61f, 14665.95f}, {60, 59933.46f, 996.67f}, {200, 100000.0f, 121460.0f}};
    for (const auto& s : stations) {
        PlaceStation(1, s.station);
        EXPECT_NEAR(sokutenx(1), s.x, 0.01f) << s.station;
        EXPECT_NEAR(sokuteny(1), s.y, 0.01f) << s.station;
    }
    EXPECT_EQ(sayuu(1), -1.0f); // the curve turns left
}

TEST_F(IpAlignment, SixtyDegreeLeftTurn) {
    SetPolygon({{0, 0}, {100, 0, 100}, {150, 86.6025404}});
    ASSERT_EQ(ComputeIpAlignment().status, Status::Computed);
    EXPECT_NEAR(setsusenchou(1), 100000 * std::tan(M_PI / 6), 0.01);
    EXPECT_NEAR(kyokusenchou(1), 100000 * M_PI / 3, 0.02);
    EXPECT_NEAR(chuushinx(1), 42264.973f, 0.01f);
    EXPECT_NEAR(chuushiny(1), 100000.0f, 0.01f);
    EXPECT_EQ(bcsokuten(1), 42260.0f);
    EXPECT_EQ(ecsokuten(1), 146980.0f);
    EXPECT_EQ(iptsuikakyori(2), 189240.0f);
    EXPECT_NEAR(souenchou, 189249.7f, 0.1f);
}

TEST_F(IpAlignment, TwoCurvesTurningBothWays) {
    SetPolygon({{0, 0}, {100, 0, 60}, {200, 100, 80}, {300, 100}});
    ASSERT_EQ(ComputeIpAlignment().status, Status::Computed);
    EXPECT_NEAR(chuushinx(1), 75147.19f, 0.02f);
    EXPECT_NEAR(chuushiny(1), 60000.0f, 0.02f);
    EXPECT_NEAR(chuushinx(2), 233137.1f, 0.02f);
    EXPECT_NEAR(chuushiny(2), 20000.0f, 0.02f);
    PlaceStation(1, 240);
    EXPECT_NEAR(sokutenx(1), 205206.27f, 0.02f);
    EXPECT_NEAR(sokuteny(1), 94965.78f, 0.02f);
    EXPECT_EQ(sayuu(2), 1.0f);
}

} // namespace
