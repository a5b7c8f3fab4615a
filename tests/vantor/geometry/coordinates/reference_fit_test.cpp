// The reference-point fit and the conversion to the site, checked against transforms worked
// out in the test and against a least-squares fit by SVD in python3 (numpy).
#include "platform/runtime/number_text.h"
#include "tests/support/run_python.h"
#include "vantor/geometry/coordinates/cad_axis_transform.h"
#include "vantor/geometry/coordinates/reference_fit.h"
#include "vantor/geometry/coordinates/site_transform.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <sstream>

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

void ExpectConvertsBack(const std::vector<ReferencePoint>& points, const FitResult& fit, double tolerance) {
    for (const ReferencePoint& p : points) {
        const SitePoint site = ToSite(TransformOf(fit), p.drawingX, p.drawingY);
        EXPECT_NEAR(site.x, p.siteX, tolerance);
        EXPECT_NEAR(site.y, p.siteY, tolerance);
    }
}

TEST(ReferenceFit, ThirtyDegreesAndAShift) {
    const auto points = Turned({{100, 50}, {180, 90}, {250, 20}}, 30, 1000, 2000);
    // python3: X, Y of the first point
    EXPECT_NEAR(points[0].drawingX, 1111.6025403784438, 1e-9);
    EXPECT_NEAR(points[0].drawingY, 1993.301270189222, 1e-9);
    const FitOutcome outcome = FitReferencePoints(points);
    ASSERT_TRUE(outcome.solved) << outcome.failure;
    const FitResult& fit = outcome.result;
    EXPECT_NEAR(fit.angle, std::numbers::pi / 6, 1e-12);
    EXPECT_NEAR(fit.degrees, 30, 1e-10);
    EXPECT_NEAR(fit.p3, -1000, 1e-9);
    EXPECT_NEAR(fit.p4, -2000, 1e-9);
    EXPECT_NEAR(fit.scale, 1, 1e-12);
    ExpectConvertsBack(points, fit, 1e-9);
}

// Every turn of the full circle, 123° among them, comes out by itself: no angle correction.
TEST(ReferenceFit, AnyTurnWithoutCorrection) {
    for (double degrees : {0.0, 89.9, 90.0, 123.0, 179.5, 180.0, -91.0, -150.0, -179.9}) {
        const auto points =
            Turned({{-31000.25, 12000.5}, {-30900, 12100}, {-30950, 11800}}, degrees, 45678.9, -23456.1);
        const FitOutcome outcome = FitReferencePoints(points);
        ASSERT_TRUE(outcome.solved) << degrees << ": " << outcome.failure;
        const double turn = std::remainder(outcome.result.degrees - degrees, 360.0);
        EXPECT_NEAR(turn, 0, 1e-9) << degrees;
        ExpectConvertsBack(points, outcome.result, 1e-7);
    }
}

// Four survey points around (−35150 m, 12500 m), the drawing turned by 12.345° and shifted,
// each drawing coordinate disturbed by up to 3 mm: the fit agrees with an SVD fit to a
// micrometre, and road points between the reference points convert within 1 cm of the truth.
TEST(ReferenceFit, NoisySurveyFarFromTheOriginConvertsWithinACentimetre) {
    const std::vector<std::pair<double, double>> site = {
        {-35310.412, 12352.118}, {-34985.203, 12401.907}, {-35020.644, 12688.351}, {-35290.077, 12611.560}};
    auto points = Turned(site, 12.345, 37950.25, -4750.5);
    const double noise[4][2] = {{0.003, -0.002}, {-0.003, 0.001}, {0.002, 0.003}, {-0.001, -0.003}};
    for (int k = 0; k < 4; ++k) {
        points[k].drawingX += noise[k][0];
        points[k].drawingY += noise[k][1];
    }
    const FitOutcome outcome = FitReferencePoints(points);
    ASSERT_TRUE(outcome.solved) << outcome.failure;

    const std::vector<std::pair<double, double>> road = {{-35150.5, 12500.25}, {-35050, 12450}, {-35250.75, 12650.5}};
    const auto roadDrawing = Turned(road, 12.345, 37950.25, -4750.5);
    std::ostringstream arguments;
    arguments.precision(17);
    arguments << VANTOR_SOURCE_DIR "/tests/vantor/geometry/coordinates/rigid_fit.py " << points.size();
    for (const ReferencePoint& p : points)
        arguments << ' ' << p.siteX << ' ' << p.siteY << ' ' << p.drawingX << ' ' << p.drawingY;
    for (const ReferencePoint& p : roadDrawing) arguments << ' ' << p.drawingX << ' ' << p.drawingY;
    std::istringstream svd(test_support::RunPython(arguments.str()));
    double svdDegrees = 0;
    svd >> svdDegrees;
    EXPECT_NEAR(outcome.result.degrees, svdDegrees, 1e-8);
    EXPECT_NEAR(outcome.result.degrees, 12.345, 1e-3); // 3 mm across 300 m
    for (std::size_t k = 0; k < road.size(); ++k) {
        double x = 0, y = 0;
        svd >> x >> y;
        const SitePoint converted =
            ToSite(TransformOf(outcome.result), roadDrawing[k].drawingX, roadDrawing[k].drawingY);
        EXPECT_NEAR(converted.x, x, 1e-6) << k;
        EXPECT_NEAR(converted.y, y, 1e-6) << k;
        EXPECT_LT(std::hypot(converted.x - road[k].first, converted.y - road[k].second), 0.01) << k;
    }
}

TEST(ReferenceFit, RefusesWhatCannotBeSolvedAndSaysWhy) {
    const std::vector<std::pair<double, double>> survey = {{-35100, 12500}, {-35000, 12550}, {-35060, 12700}};
    const struct {
        std::vector<ReferencePoint> points;
        const char* says;
    } cases[] = {
        {{}, "基準点が0点しかありません"},
        {{{1, 2, 3, 4}}, "基準点が1点しかありません"},
        {{{5, 6, 7, 8}, {5, 6, 9, 9}}, "現地座標がすべて同じ点です"},
        {{{1, 2, 3, 4}, {5, 6, 3, 4}}, "図面座標がすべて同じ点です"},
        // A drawing typed in millimetres, one at 1.5 times, one 0.11 % too large.
        {Turned(survey, 30, 0, 0, 1000), "現地の 1000 倍です"},
        {Turned(survey, 30, 0, 0, 1.5), "現地の 1.5 倍です"},
        {Turned(survey, -70, 5, 5, 1.0011), "現地の 1.0011 倍です"},
    };
    for (const auto& c : cases) {
        const FitOutcome outcome = FitReferencePoints(c.points);
        EXPECT_FALSE(outcome.solved) << c.says;
        EXPECT_EQ(outcome.failure.rfind("解析不能：", 0), 0u) << outcome.failure;
        EXPECT_NE(outcome.failure.find(c.says), std::string::npos) << outcome.failure;
    }
    // Within the tolerance the points are taken.
    EXPECT_TRUE(FitReferencePoints(Turned(survey, -70, 5, 5, 1.0009)).solved);
    EXPECT_TRUE(FitReferencePoints(Turned(survey, -70, 5, 5, 0.9991)).solved);
}

// Turned to the other angle with the same sine, the shift still takes the centroid of the
// drawing points onto that of the site points; turning back gives the fit again.
TEST(ReferenceFit, TurningKeepsTheCentroidsTogether) {
    const auto points = Turned({{-35100, 12500}, {-35000, 12550}}, 40, 100, -200);
    const FitResult fit = FitReferencePoints(points).result;
    const FitResult turned = TurnedTo(fit, std::numbers::pi - fit.angle);
    EXPECT_NEAR(turned.degrees, 140, 1e-9);
    const SitePoint centre = ToSite(TransformOf(turned), (points[0].drawingX + points[1].drawingX) / 2,
                                    (points[0].drawingY + points[1].drawingY) / 2);
    EXPECT_NEAR(centre.x, -35050, 1e-8);
    EXPECT_NEAR(centre.y, 12525, 1e-8);
    const FitResult back = TurnedTo(turned, std::numbers::pi - turned.angle);
    EXPECT_NEAR(back.p3, fit.p3, 1e-8);
    EXPECT_NEAR(back.p4, fit.p4, 1e-8);
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
    // Survey coordinates keep their millimetres.
    EXPECT_EQ(rt::CStr(RoundedToMillimetres(-35250.125)), "-35250.125");
    EXPECT_EQ(rt::CStr(RoundedToMillimetres(-135250.1254)), "-135250.125");
    EXPECT_EQ(rt::CStr(RoundedToMillimetres(412345.6785)), "412345.679");
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
