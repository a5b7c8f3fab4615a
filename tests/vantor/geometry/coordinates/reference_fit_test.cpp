// The reference-point fit, the conversion to the site and the CAD axis lines, checked against
// transforms worked out by hand (python3 gave the decimal values quoted).
#include "platform/runtime/number_text.h"
#include "vantor/geometry/coordinates/cad_axis_transform.h"
#include "vantor/geometry/coordinates/reference_fit.h"
#include "vantor/geometry/coordinates/site_transform.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

using namespace 縦断bus::coordinates;

// The drawing of site points turned clockwise by `degrees`, scaled, then shifted by (sx, sy).
std::vector<ReferencePoint> Turned(std::vector<std::pair<double, double>> site, double degrees, double sx, double sy,
                                   double scale = 1) {
    const double t = degrees * std::numbers::pi / 180;
    std::vector<ReferencePoint> points;
    for (auto [x, y] : site)
        points.push_back({x, y, scale * (std::cos(t) * x + std::sin(t) * y) + sx,
                          scale * (-std::sin(t) * x + std::cos(t) * y) + sy});
    return points;
}

// Every point fits the model of its pair, and converts back to its site point.
void ExpectResidualsVanish(const std::vector<ReferencePoint>& points, const FitResult& fit) {
    ASSERT_EQ(fit.pairs.size(), points.size() - 1);
    for (std::size_t k = 0; k < fit.pairs.size(); ++k) {
        const PairSolution& s = fit.pairs[k];
        for (const ReferencePoint& p : {points[k], points[k + 1]}) {
            EXPECT_NEAR(s.p1 * p.siteX + s.p2 * p.siteY - s.p3, p.drawingX, 1e-9) << "pair " << k + 1;
            EXPECT_NEAR(-s.p2 * p.siteX + s.p1 * p.siteY - s.p4, p.drawingY, 1e-9) << "pair " << k + 1;
        }
    }
    const SiteTransform transform = TransformOf(fit);
    for (const ReferencePoint& p : points) {
        const SitePoint site = ToSite(transform, p.drawingX, p.drawingY);
        EXPECT_NEAR(site.x, p.siteX, 1e-6);
        EXPECT_NEAR(site.y, p.siteY, 1e-6);
    }
}

TEST(ReferenceFit, ThirtyDegreesAndAShift) {
    const auto points = Turned({{100, 50}, {180, 90}, {250, 20}}, 30, 1000, 2000);
    // python3: X, Y of the first point
    EXPECT_NEAR(points[0].drawingX, 1111.6025403784438, 1e-9);
    EXPECT_NEAR(points[0].drawingY, 1993.301270189222, 1e-9);
    const FitOutcome outcome = FitReferencePoints(points);
    ASSERT_TRUE(outcome.solved) << outcome.failure;
    for (const PairSolution& s : outcome.result.pairs) {
        EXPECT_NEAR(s.p1, std::sqrt(3.0) / 2, 1e-12);
        EXPECT_NEAR(s.p2, 0.5, 1e-12);
        EXPECT_NEAR(s.p3, -1000, 1e-9);
        EXPECT_NEAR(s.p4, -2000, 1e-9);
        EXPECT_NEAR(s.angle, 0.5235987755982989, 1e-12);
    }
    // π taken as 3.141592654: 29.99999999608281 degrees rather than 30.
    EXPECT_EQ(rt::CStr(outcome.result.meanDegrees), "29.9999999960828");
    ExpectResidualsVanish(points, outcome.result);
}

TEST(ReferenceFit, SolvableCasesWithoutAPivotProblem) {
    // Same points in both systems; a site x of 0 in the first point of a pair; a quarter turn
    // (|p2| = 1); a turn of −45° with a large shift.
    const std::vector<std::vector<ReferencePoint>> cases = {
        {{10, 0, 10, 0}, {20, 0, 20, 0}},
        Turned({{0, 10}, {10, 10}, {0, 30}}, 20, -5, 7),
        Turned({{0, 0}, {3, 4}}, 90, 1, 2),
        Turned({{-31000.25, 12000.5}, {-30900, 12100}}, -45, 45678.9, -23456.1),
    };
    for (const auto& points : cases) {
        const FitOutcome outcome = FitReferencePoints(points);
        ASSERT_TRUE(outcome.solved) << outcome.failure;
        ExpectResidualsVanish(points, outcome.result);
    }
    EXPECT_EQ(FitReferencePoints(cases[0]).result.meanDegrees, 0);
    EXPECT_NEAR(FitReferencePoints(cases[2]).result.pairs[0].angle, std::numbers::pi / 2, 1e-12);
}

TEST(ReferenceFit, RefusesWhatCannotBeSolvedAndSaysWhy) {
    const struct {
        std::vector<ReferencePoint> points;
        const char* says;
    } cases[] = {
        {{}, "基準点が0点しかありません"},
        {{{1, 2, 3, 4}}, "基準点が1点しかありません"},
        {{{1, 2, 3, 4}, {5, 6, 7, 8}, {5, 6, 9, 9}}, "2点目と3点目の基準点の現地座標が同じです"},
        {{{1, 2, 3, 4}, {5, 6, 3, 4}}, "1点目と2点目の基準点の図面座標が同じです"},
        {Turned({{100, 50}, {180, 90}}, 30, 0, 0, 3), "1点目と2点目の基準点は回転と平行移動では合いません"},
    };
    for (const auto& c : cases) {
        const FitOutcome outcome = FitReferencePoints(c.points);
        EXPECT_FALSE(outcome.solved);
        EXPECT_EQ(outcome.failure.rfind("解析不能：", 0), 0u) << outcome.failure;
        EXPECT_NE(outcome.failure.find(c.says), std::string::npos) << outcome.failure;
    }
}

TEST(ReferenceFit, OneAngleIsTheMeanOfThePairs) {
    // 30° between the first two points, 32° between the last two (a slightly bent survey).
    auto points = Turned({{100, 50}, {180, 90}}, 30, 1000, 2000);
    const auto second = Turned({{180, 90}, {250, 20}}, 32, 0, 0);
    const SitePoint shift{points[1].drawingX - second[0].drawingX, points[1].drawingY - second[0].drawingY};
    points.push_back({250, 20, second[1].drawingX + shift.x, second[1].drawingY + shift.y});
    const FitOutcome outcome = FitReferencePoints(points);
    ASSERT_TRUE(outcome.solved);
    EXPECT_NEAR(outcome.result.pairs[0].angle * 180 / std::numbers::pi, 30, 1e-9);
    EXPECT_NEAR(outcome.result.pairs[1].angle * 180 / std::numbers::pi, 32, 1e-9);
    EXPECT_NEAR(outcome.result.meanDegrees, 31, 1e-8);
    EXPECT_DOUBLE_EQ(TransformOf(outcome.result).angle, outcome.result.meanDegrees * kDegreePi / 180);
    EXPECT_EQ(outcome.result.p3(), outcome.result.pairs[1].p3);
}

TEST(SiteTransform, ConvertsWithTheFitAndRoundsToMillimetres) {
    const SiteTransform thirty{-1000, -2000, 0.5235987755982989};
    // The drawing point of site (100, 50) to four decimals: 99.99995, 50.0000056 (python3).
    const SitePoint site = ToSite(thirty, 1111.6025, 1993.3013);
    EXPECT_EQ(rt::CStr(RoundedToMillimetres(site.x)), "100");
    EXPECT_EQ(rt::CStr(RoundedToMillimetres(site.y)), "50");
    // Before any fit the drawing coordinates come through, rounded.
    const SitePoint same = ToSite({}, 12.34567, -0.0004);
    EXPECT_EQ(rt::CStr(RoundedToMillimetres(same.x)), "12.346");
    EXPECT_EQ(rt::CStr(RoundedToMillimetres(same.y)), "0");
    EXPECT_EQ(rt::CStr(RoundedToMillimetres(0.0625)), "0.063");
    EXPECT_EQ(rt::CStr(RoundedToMillimetres(-0.0625)), "-0.062");
}

TEST(CadAxisLines, TheEightLinesExactly) {
    EXPECT_EQ(CadAxisLines(-1000, -2000, 29.99999999608281),
              (std::vector<std::string>{"move", "ALL\r", "1000000,2000000", "@-1000000,-2000000", "rotate", "ALL\r",
                                        "0,0", "29.9999999960828"}));
    EXPECT_EQ(CadAxisLines(0, 0, 0),
              (std::vector<std::string>{"move", "ALL\r", "0,0", "@0,0", "rotate", "ALL\r", "0,0", "0"}));
    EXPECT_EQ(CadAxisLines(12.5, -0.25, -31)[2], "-12500,250");
    EXPECT_EQ(CadAxisLines(12.5, -0.25, -31)[3], "@12500,-250");
}

} // namespace
