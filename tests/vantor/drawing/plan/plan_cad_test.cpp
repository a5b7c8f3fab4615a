// The plan drawn in the CAD over its command channel: the one-curve plan with every part, and a
// station plot after it. The drawing holds what a road engineer expects: the tangent polygon,
// the curve and the edges as arcs running counter-clockwise from BC to EC, labels standing on
// the station normals. A picture is left for people and the DXF is read back by ezdxf.
#include "../../../support/cad_end.h"
#include "../../../support/output_path.h"
#include "cad/view/png_renderer.h"
#include "plan_fixture.h"
#include "vantor/drawing/channel/cad_channel.h"
#include "vantor/drawing/plan/sakuzuheimen.h"
#include "vantor/drawing/plan/station_plot.h"

#include <cmath>

namespace {

using namespace 縦断bus;

class PlanInTheCad : public plan_test::PlanTest, protected test_support::CadEnd {
protected:
    static std::string OutputPath(const std::string& name) {
        return test_support::OutputPath("tests/vantor/drawing/plan", name);
    }
};

void ExpectPoint(const cad::Point& p, double x, double y, double tolerance = 0.01) {
    EXPECT_NEAR(p.x, x, tolerance);
    EXPECT_NEAR(p.y, y, tolerance);
}

TEST_F(PlanInTheCad, OneCurvePlan) {
    forms::Get<作図画面>();
    ASSERT_TRUE(cad_channel::RunDrawing([] { DrawPlan({500, 2, 20, 0.2}, {true, true, true}); }));
    ExpectIdleAndClean();

    // Two tangents and the six edge lines on the straights.
    EXPECT_EQ(All<cad::Line>().size(), 2u + 6u);
    // BC, EC, centre, five stations and the end of the road, radius 500 × 0.2.
    const auto circles = All<cad::Circle>();
    ASSERT_EQ(circles.size(), 9u);
    for (const auto& c : circles) EXPECT_EQ(c.radius, 100);
    ExpectPoint(circles.back().centre, 100000, 100000);

    // The curve and the inner and outer edges on it, counter-clockwise about the centre.
    const auto arcs = All<cad::Arc>();
    ASSERT_EQ(arcs.size(), 3u);
    ExpectPoint(arcs[0].centre, 50000, 50000);
    EXPECT_NEAR(arcs[0].radius, 50000, 0.01);
    ExpectPoint(arcs[0].Start(), 50000, 0);    // BC
    ExpectPoint(arcs[0].End(), 100000, 50000); // EC
    EXPECT_NEAR(arcs[0].startAngle, 270, 1e-6);
    EXPECT_NEAR(std::fmod(arcs[0].endAngle, 360), 0, 1e-6);
    EXPECT_TRUE(arcs[0].Covers(315));         // the curve's middle lies on it
    EXPECT_NEAR(arcs[1].radius, 47000, 0.05); // left edge: inside of the left curve
    EXPECT_NEAR(arcs[2].radius, 53500, 0.05); // right edge: outside
    for (const auto& a : {arcs[1], arcs[2]}) {
        EXPECT_NEAR(a.startAngle, 270 + 0.6 * 180 / M_PI, 0.3); // station 80 m, 30 m into the curve
        EXPECT_NEAR(a.endAngle, 270 + 1.4 * 180 / M_PI, 0.3);   // station 120 m
    }

    // A label per station, 10 m out along the left normal and turned to it.
    const auto texts = All<cad::Text>();
    ASSERT_EQ(texts.size(), 5u);
    const struct {
        const char* text;
        double station, x, y, rotation;
    } labels[] = {{"+ 0.00", 0, 0, 0, 90},
                  {"+ 40.00", 40, 40000, 0, 90},
                  {"+ 80.00", 80, 78232.12, 8733.22, 90 + 0.6 * 180 / M_PI},
                  {"+ 120.00", 120, 99272.48, 41501.64, 90 + 1.4 * 180 / M_PI},
                  {"+ 160.00", 160, 100000, 81460, 180}};
    for (std::size_t k = 0; k < 5; ++k) {
        const cad::Text& t = texts[k];
        EXPECT_EQ(t.text, labels[k].text);
        EXPECT_EQ(t.height, 1000);
        EXPECT_NEAR(std::remainder(t.rotation - labels[k].rotation, 360), 0, 0.2) << t.text;
        const double a = labels[k].rotation * M_PI / 180;
        ExpectPoint(t.position, labels[k].x + 10000 * std::cos(a), labels[k].y + 10000 * std::sin(a), 40);
    }

    cad::view::RenderPng(drawing, OutputPath("one_curve_plan.png"), 1000, 1000);
    const std::string report = ReadBackDxf(OutputPath("one_curve_plan.dxf"), R"(
import sys, ezdxf
doc = ezdxf.readfile(sys.argv[1])
audit = doc.audit()
print('errors', len(audit.errors), 'fixes', len(audit.fixes))
msp = doc.modelspace()
for kind in ('LINE', 'CIRCLE', 'ARC', 'TEXT'):
    print(kind, len(msp.query(kind)))
for a in msp.query('ARC'):
    print('arc', round(a.dxf.radius), round(a.dxf.start_angle, 1), round(a.dxf.end_angle % 360, 1))
for t in msp.query('TEXT'):
    print('text', t.dxf.text, round(t.dxf.rotation % 360, 1))
)");
    EXPECT_EQ(report,
              "errors 0 fixes 0\nLINE 8\nCIRCLE 9\nARC 3\nTEXT 5\n"
              "arc 50000 270.0 0.0\narc 47000 304.4 350.2\narc 53500 304.4 350.2\n"
              "text + 0.00 90.0\ntext + 40.00 90.0\ntext + 80.00 124.4\ntext + 120.00 170.2\ntext + 160.00 180.0\n");
}

// An IP without a radius is an angle point: no arc is sent for it, so the CAD reads every
// following line as meant and the next curve gets its arc.
TEST_F(PlanInTheCad, AnglePointHasNoArc) {
    SetPolygon({{0, 0, 0}, {100, 0, 0}, {200, 100, 50}, {200, 200, 0}});
    SetStations({0, 100, 200});
    forms::Get<作図画面>();
    ASSERT_TRUE(cad_channel::RunDrawing([] { DrawPlan({500, 2, 20, 0.2}, {true, false, false}); }));
    ExpectIdleAndClean();
    // Turning left by 45° at (200, 100): tangent 50 tan 22.5°, BC and EC that far along the
    // legs, the centre 50 m left of the BC.
    const double t = 50000 * std::tan(M_PI / 8), d = std::sqrt(0.5);
    const auto arcs = All<cad::Arc>();
    ASSERT_EQ(arcs.size(), 1u);
    ExpectPoint(arcs[0].centre, 200000 - t * d - 50000 * d, 100000 - t * d + 50000 * d, 1);
    EXPECT_NEAR(arcs[0].radius, 50000, 1);
    ExpectPoint(arcs[0].Start(), 200000 - t * d, 100000 - t * d, 1); // a left curve from its BC
    ExpectPoint(arcs[0].End(), 200000, 100000 + t, 1);
    EXPECT_EQ(All<cad::Line>().size(), 3u);
}

TEST_F(PlanInTheCad, StationPlotAfterThePlan) {
    forms::Get<作図画面>();
    ASSERT_TRUE(cad_channel::RunDrawing([] { DrawPlan({500, 2, 20, 0.2}, {false, false, false}); }));
    ASSERT_TRUE(cad_channel::RunDrawing([] { PlotStation(100); })); // 50 m into the curve: 1 rad
    ExpectIdleAndClean();
    const auto circles = All<cad::Circle>();
    ASSERT_EQ(circles.size(), 1u);
    EXPECT_EQ(circles[0].radius, 100);
    ExpectPoint(circles[0].centre, 50000 + 50000 * std::sin(1.0), 50000 - 50000 * std::cos(1.0), 0.05);
    const auto texts = All<cad::Text>();
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, "+ 100.00");
    EXPECT_NEAR(texts[0].rotation, 90 + 180 / M_PI, 0.3);
}

} // namespace
