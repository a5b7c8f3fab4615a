#include "vantor/geometry/profile/keisantate.h"

#include "tests/vantor/geometry/profile/profile_fixture.h"
#include "vantor/model/bus/profile_tables.h"

#include <gtest/gtest.h>

#include <vector>

using namespace 縦断bus;
using namespace profile_test;

namespace {

std::vector<float> Column(int c) {
    std::vector<float> v;
    for (int r = 1; r <= sokutensuu; ++r) v.push_back(tatedata(r, c));
    return v;
}

TEST(Keisantate, CrestByHand) {
    LoadCrest();
    keisantate();
    EXPECT_EQ(henkatensuu, 3);
    EXPECT_EQ(kyokusensuu, 1);
    EXPECT_EQ(yuukousokutensuu, 7);
    EXPECT_EQ(kakuteihenkatensuu, 3);
    EXPECT_EQ(vcb(1), 70.0f);
    EXPECT_EQ(vce(1), 130.0f);
    EXPECT_EQ(koubaitemae(1), 0.02f);
    EXPECT_EQ(koubaiushiro(1), -0.01f);
    EXPECT_EQ(keisuua(1), -2.4999998e-4f); // from the single-precision grades
    EXPECT_EQ(Column(5), (std::vector<float>{48.00f, 49.40f, 49.64f, 49.78f, 49.70f, 49.50f, 49.00f}));
    EXPECT_EQ(Column(6), (std::vector<float>{1.00f, 1.40f, 0.64f, 0.28f, 0.70f, 1.50f, 1.50f}));
    // A station on the inner change point keeps the gradient before it.
    EXPECT_EQ(Column(7), (std::vector<float>{2, 2, 2, 2, -1, -1, -1}));
}

TEST(Keisantate, SagByHand) {
    LoadSag();
    keisantate();
    EXPECT_EQ(keisuua(1), 0.000625f);
    EXPECT_EQ(keisuub(1), -0.057499997f); // -0.0575 one unit in the last place off
    EXPECT_EQ(keisuuc(1), 10.5625f);
    EXPECT_EQ(Column(5), (std::vector<float>{10.00f, 9.40f, 9.26f, 9.25f, 9.60f, 12.00f}));
    EXPECT_EQ(Column(7), (std::vector<float>{-2, -2, -2, -2, 3, 3}));

    LoadSag(3);
    keisantate();
    EXPECT_EQ(tatedata(3, 5), 9.262f); // the single 9.2625 lies just below the half
}

// Textbook relations of the parabola: tangent to both grades, on the tangents at VCB and VCE,
// and (g2 - g1) L / 8 away from the change point.
TEST(Keisantate, ParabolaMeetsItsTangents) {
    struct Case {
        float g1, g2, x, h, length;
    };
    const Case cases[] = {
        {0.02f, -0.01f, 100, 50, 60},   {-0.02f, 0.03f, 50, 9, 40},  {0.035f, 0.005f, 240, 120, 80},
        {-0.04f, -0.01f, 300, 15, 150}, {0.0f, 0.025f, 180, 30, 30},
    };
    for (const Case& c : cases) {
        const float before = c.x - 100, after = c.x + 100;
        LoadProfile({{before, 0, c.h - c.g1 * 100}, {c.x, 0, c.h, c.length}, {after, 0, c.h + c.g2 * 100}});
        keisantate();
        const double a = keisuua(1), b = keisuub(1), cc = keisuuc(1);
        const double g1 = koubaitemae(1), g2 = koubaiushiro(1);
        auto curve = [&](double s) { return a * s * s + b * s + cc; };
        auto tangentBefore = [&](double s) { return c.h + g1 * (s - c.x); };
        auto tangentAfter = [&](double s) { return c.h + g2 * (s - c.x); };
        const double start = c.x - c.length / 2, end = c.x + c.length / 2;
        EXPECT_NEAR(2 * a * start + b, g1, 1e-6) << c.x;
        EXPECT_NEAR(2 * a * end + b, g2, 1e-6) << c.x;
        EXPECT_NEAR(curve(start), tangentBefore(start), 2e-3) << c.x;
        EXPECT_NEAR(curve(end), tangentAfter(end), 2e-3) << c.x;
        EXPECT_NEAR(curve(c.x) - c.h, (g2 - g1) * c.length / 8, 2e-3) << c.x;
    }
}

TEST(Keisantate, TwoChangePointsGiveOneStraightLine) {
    LoadProfile({{-20, 10}, {0, 10, 100}, {50, 10}, {100, 10, 101}, {130, 10}});
    keisantate();
    EXPECT_EQ(kyokusensuu, 0);
    EXPECT_EQ(Column(5), (std::vector<float>{99.8f, 100, 100.5f, 101, 101.3f}));
    EXPECT_EQ(Column(7), (std::vector<float>(5, 1.0f)));
}

TEST(Keisantate, RoundsHeightsByKetasuuAndGradientsToPercent) {
    struct Height {
        int decimals;
        float planned, ground, height, difference;
    };
    const Height heights[] = {
        {2, 12.345f, 12.0f, 12.35f, 0.35f},
        {2, 10.0f, 10.125f, 10.0f, -0.12f},
        {3, 12.3125f, 12.0f, 12.313f, 0.313f},
    };
    for (const Height& c : heights) {
        LoadProfile({{0, c.ground, c.planned}, {100, c.ground, c.planned}}, c.decimals);
        keisantate();
        EXPECT_EQ(tatedata(1, 5), c.height) << c.planned;
        EXPECT_EQ(tatedata(1, 6), c.difference) << c.planned;
    }
    struct Gradient {
        float rise, percent;
    };
    for (const Gradient& c : {Gradient{1.23456f, 1.23456f}, Gradient{-1.5f, -1.5f}}) {
        LoadProfile({{0, 0, 0}, {100, 0, c.rise}});
        keisantate();
        EXPECT_EQ(tatedata(1, 7), c.percent) << c.rise;
    }
}

TEST(Keisantate, FewerThanTwoChangePointsLeaveNoPlannedLine) {
    // The reference height on the row without a station is no change point.
    LoadProfile({{0, 10, 48}, {E, 10, 50}, {100, 10}});
    henkatensuu = 7;
    for (int r = 1; r <= 3; ++r)
        for (int c = 5; c <= 7; ++c) tatedata(r, c) = 1; // heights of earlier input
    keikokuflg = 1;                                      // an earlier refusal
    EXPECT_EQ(keisantate(), ProfileOutcome::NoPlannedLine);
    EXPECT_EQ(keikokuflg, 0);
    EXPECT_EQ(henkatensuu, 7);
    for (int c = 5; c <= 7; ++c) EXPECT_EQ(Column(c), (std::vector<float>(3, E))) << c;
}

TEST(Keisantate, CurveLengthZeroIsNoCurve) {
    LoadCrest();
    tatedata(4, 4) = 0;
    EXPECT_EQ(keisantate(), ProfileOutcome::Computed);
    EXPECT_EQ(kyokusensuu, 0);
    EXPECT_EQ(tatedata(4, 5), 50.0f);
}

TEST(Keisantate, RowsWithoutStationHaveNoPlannedValues) {
    LoadProfile({{0, 10, 100}, {E, 10}, {50, E}, {100, 10, 101}});
    for (int c = 5; c <= 7; ++c) tatedata(2, c) = 3.5f; // earlier results
    keisantate();
    EXPECT_EQ(yuukousokutensuu, 3);
    EXPECT_EQ(Column(5), (std::vector<float>{100, E, 100.5f, 101}));
    EXPECT_EQ(Column(6), (std::vector<float>{90, E, E, 91}));
    EXPECT_EQ(Column(7), (std::vector<float>{1, E, 1, 1}));
}

} // namespace
