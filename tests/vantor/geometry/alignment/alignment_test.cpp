#include "alignment_fixture.h"
#include "tests/support/program_reset.h"
#include "vantor/geometry/alignment/ip_alignment.h"
#include "vantor/model/bus/alignment_tables.h"
#include "vantor/model/縦断bus.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace 縦断bus;
using alignment_test::PlaceStation;
using alignment_test::SetPolygon;
using Status = IpAlignmentResult::Status;

class IpAlignment : public ::testing::Test {
protected:
    void SetUp() override { test_support::ResetProgram(); }
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

    const struct {
        double station;
        float x, y;
    } stations[] = {{89.3, 85376.61f, 14665.95f}, {60, 59933.46f, 996.67f}, {200, 100000.0f, 121460.0f}};
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

TEST_F(IpAlignment, RefusesPolygonsItCannotTakeAndTouchesNothing) {
    const struct {
        int points; // how many of the polygon below are used
        const char* message;
    } cases[] = {
        {0, "ＩＰ座標が足りません。起点と終点を含めて２点以上入力してください"},
        {1, "ＩＰ座標が足りません。起点と終点を含めて２点以上入力してください"},
        {4, "IP1とIP2が同じ位置です。ＩＰ位置の確認をしてください"},
    };
    for (const auto& c : cases) {
        SetPolygon({{0, 0}, {100, 0, 30}, {100, 0, 30}, {200, 50}});
        ipsuu = c.points - 2;
        ipkyori(1) = 7;
        iptsuikakyori(1) = 7;
        const IpAlignmentResult result = ComputeIpAlignment();
        EXPECT_EQ(result.status, Status::Refused);
        EXPECT_EQ(result.message, c.message);
        EXPECT_EQ(ipkyori(1), 7.0f);
        EXPECT_EQ(iptsuikakyori(1), 7.0f);
    }
    SetPolygon({{0, 0}, {100, 0, 30}, {100, 0}});
    EXPECT_EQ(ComputeIpAlignment().message, "IP1と終点が同じ位置です。ＩＰ位置の確認をしてください");
    SetPolygon({{0, 0}, {100, 0, 30}, {200, 50, -40}, {300, 0}});
    EXPECT_EQ(ComputeIpAlignment().message, "IP2の曲率半径が負の値です。0以上の値を入力してください");
}

TEST_F(IpAlignment, ParallelNormalsStopBeforeDirectionsAndChainages) {
    SetPolygon({{0, 0}, {100, 100, 50}, {200, 200}});
    katamuki(1) = 7;
    iptsuikakyori(2) = 7;
    const IpAlignmentResult result = ComputeIpAlignment();
    EXPECT_EQ(result.status, Status::ParallelNormals);
    EXPECT_EQ(result.message, "ＩＰ位置の確認をしてください");
    EXPECT_NEAR(ipkyori(2), 141421.36f, 0.01f);
    EXPECT_EQ(katamuki(1), 7.0f);
    EXPECT_EQ(iptsuikakyori(2), 7.0f);
}

TEST_F(IpAlignment, NearlyCollinearLegsCountAsStraight) {
    // The cosine of these legs rounds to just above 1 in single precision.
    SetPolygon({{0, 0}, {70.446, 298.427, 50}, {140.892, 596.854}});
    const IpAlignmentResult result = ComputeIpAlignment();
    EXPECT_EQ(wkcos, 1.0f);
    EXPECT_EQ(koukaku(1), 0.0f);
    EXPECT_EQ(setsusenchou(1), 0.0f);
    EXPECT_TRUE(result.unitCosine[1]);
}

TEST_F(IpAlignment, StraightThroughAlongXHasNoCentreAndNoMessage) {
    SetPolygon({{0, 0}, {100, 0, 50}, {250, 0}});
    chuushinx(1) = 7;
    EXPECT_EQ(ComputeIpAlignment().status, Status::Computed);
    EXPECT_EQ(koukaku(1), 0.0f);
    EXPECT_EQ(chuushinx(1), 7.0f);
    EXPECT_EQ(iptsuikakyori(2), 250000.0f);
}

TEST_F(IpAlignment, WithoutIpTheRoadIsOneStraight) {
    SetPolygon({{0, 0}, {30.006, 40.005}});
    ASSERT_EQ(ComputeIpAlignment().status, Status::Computed);
    const double length = std::hypot(30006.0, 40005.0);
    EXPECT_EQ(iptsuikakyori(1), 50010.0f);
    EXPECT_EQ(saishochokusen, 50010.0f);
    EXPECT_NEAR(souenchou, length, 0.01);
    PlaceStation(3, 25);
    EXPECT_NEAR(sokutenx(3), 25000 * 30006 / length, 0.01);
    EXPECT_NEAR(sokuteny(3), 25000 * 40005 / length, 0.01);
}

} // namespace
