// 作図 of the shoulder screen: the exact command lines of two checked lines with their pen
// colours, arcs about the curve's centre on curves and lines elsewhere, the refusals before
// anything is sent, and the drawing in the CAD with its DXF read back by ezdxf and a picture
// for people.
#include "../../../support/cad_end.h"
#include "../../../support/output_path.h"
#include "cad/view/png_renderer.h"
#include "shoulder_fixture.h"
#include "vantor/drawing/channel/cad_channel.h"
#include "vantor/model/bus/alignment_tables.h"
#include "vantor/model/bus/profile_tables.h"
#include "vantor/model/bus/station_tables.h"
#include "vantor/shoulder3d/shoulder/色設定画面.h"
#include "vantor/shoulder3d/shoulder/路肩作図設定画面.h"

#include <cmath>

namespace {

using namespace 縦断bus;

class ShoulderDrawing : public shoulder_test::ShoulderTest {
protected:
    void SetUp() override {
        ShoulderTest::SetUp();
        forms::Get<作図画面>(); // holds the command channel
        forms::script::Reset();
    }
    static 路肩作図設定画面& Screen() { return forms::Get<路肩作図設定画面>(); }
    static void Check(int k) { Screen().LINEチェック(k).SetValue(forms::vbChecked); }
    static void Choose(int line, int colour) { forms::Get<色設定画面>().OC(line * 8 + colour).SetValue(true); }
    static void Draw() { Screen().Toolbar1_ButtonClick(Screen().Toolbar1.Buttons("作図")); }
    // A point of line k at station i as it is sent.
    static std::string P(int k, int i) { return cad_channel::Point(OffsetLineOf(k).x(i), OffsetLineOf(k).y(i)); }
};

// L2 left in red, 2 m everywhere; L1 right without a colour, 1.5 m from the second station.
TEST_F(ShoulderDrawing, ExactSendsOfTwoCheckedLines) {
    SetWidth(1, 2);
    SetWidth(4, 1.5f);
    rokatadata(1, 6) = 0;
    Screen();
    Check(1);
    Check(4);
    Choose(1, 1);
    plan_test::RecordingCad cad;
    Draw();
    EXPECT_TRUE(Messages().empty());
    // 90° turned into radians with 3.14159 leaves the left normal a hair off +Y.
    EXPECT_EQ(P(1, 1), "0,2000");
    EXPECT_EQ(P(1, 2), "40000,2000");
    EXPECT_EQ(P(4, 2), "40000,-1500");
    const std::vector<std::string> expected{
        // clang-format off
        "_cecolor\rRed\r",
        "LINE 0,2000 40000,2000 \r",
        "LINE 40000,2000 " + P(1, 3) + " \r",    // into the curve: a chord
        "arc\r", P(1, 3) + "\r", "c\r", "50000,50000 " + P(1, 4) + "\r",   // left turn: from station 3
        "LINE " + P(1, 4) + " " + P(1, 5) + " \r",
        "_cecolor\rBylayer\r",
        "LINE 40000,-1500 " + P(4, 3) + " \r",
        "arc\r", P(4, 3) + "\r", "c\r", "50000,50000 " + P(4, 4) + "\r",
        "LINE " + P(4, 4) + " " + P(4, 5) + " \r",
        // clang-format on
    };
    EXPECT_EQ(Lines(cad), expected);
}

// A right turn runs the arc from the later station; differing widths on the curve give a
// chord; an isolated width draws nothing.
TEST_F(ShoulderDrawing, RightTurnsChordsAndGaps) {
    SetPolygon({{0, 0, 0}, {100, 0, 50}, {100, -100, 0}});
    SetStations({0, 40, 80, 100, 120, 160});
    SetWidth(0, 3);
    rokatadata(4, 4) = 3.5f; // 100 m: the width changes on the curve
    SetWidth(7, 0);
    rokatadata(2, 9) = 4; // one station with L4 right between zero widths
    Screen();
    Check(0);
    Check(7);
    plan_test::RecordingCad cad;
    Draw();
    const std::vector<std::string> expected{
        "_cecolor\rBylayer\r",
        "LINE " + P(0, 1) + " " + P(0, 2) + " \r",
        "LINE " + P(0, 2) + " " + P(0, 3) + " \r",
        "LINE " + P(0, 3) + " " + P(0, 4) + " \r",
        "LINE " + P(0, 4) + " " + P(0, 5) + " \r",
        "LINE " + P(0, 5) + " " + P(0, 6) + " \r",
        "_cecolor\rBylayer\r",
    };
    EXPECT_EQ(Lines(cad), expected);
    // With equal widths the interval 80-100 on the right-turning curve is an arc about 50,-50
    // from station 4 to station 3.
    rokatadata(4, 4) = 3;
    Screen().LINEチェック(7).SetValue(forms::vbUnchecked);
    cad.executes.clear();
    Draw();
    const std::vector<std::string> lines = Lines(cad);
    ASSERT_GE(lines.size(), 7u);
    EXPECT_EQ(lines[3], "arc\r");
    EXPECT_EQ(lines[4], P(0, 4) + "\r");
    EXPECT_EQ(lines[6], "50000,-50000 " + P(0, 3) + "\r");
}

TEST_F(ShoulderDrawing, NothingCheckedOrRefusedSendsNothing) {
    SetWidth(0, 2);
    plan_test::RecordingCad cad;
    Draw();
    EXPECT_TRUE(cad.executes.empty());
    EXPECT_NEAR(l1hidariy(2), 2000, 0.5); // the points are computed all the same

    Check(0);
    ipsuu = 50; // the alignment point after the last IP would not fit
    Draw();
    ipsuu = 1;
    // Plan positions of another station list (a station moved since), or none at all: the
    // widths would be drawn at other stations.
    const std::string refused = "測点の平面位置が今の測点の並びで計算されていません。作図画面の平面図で"
                                "「ｾﾝﾀｰ・測点作図」を押して平面線形を計算してから路肩線を作図してください。"
                                "何も作図しませんでした。";
    tatedata(3, 1) = 85;
    Draw();
    tatedata(3, 1) = 80;
    heimensokutensuu = 0;
    Draw();
    EXPECT_TRUE(cad.executes.empty());
    EXPECT_EQ(Messages(),
              (std::vector<std::string>{"ＩＰが50あります。路肩線は49までしか作図できません。何も作図しませんでした。",
                                        refused, refused}));

    // One station: no interval, only the colour.
    SetStations({0});
    Draw();
    EXPECT_EQ(Lines(cad), std::vector<std::string>{"_cecolor\rBylayer\r"});
}

class ShoulderInTheCad : public ShoulderDrawing, protected test_support::CadEnd {
protected:
    static std::string OutputPath(const std::string& name) {
        return test_support::OutputPath("tests/vantor/shoulder3d/shoulder", name);
    }
};

TEST_F(ShoulderInTheCad, TwoLinesInTheirColours) {
    SetWidth(1, 2);    // L2 left, red
    SetWidth(4, 1.5f); // L1 right, by layer
    SetWidth(7, 6);    // L4 right, blue
    rokatadata(1, 6) = 0;
    Screen();
    Check(1);
    Check(4);
    Check(7);
    Choose(1, 1);
    Choose(7, 5);
    Draw();
    EXPECT_TRUE(Messages().empty());
    ExpectIdleAndClean();

    int lines = 0;
    std::vector<std::pair<double, int>> arcs; // radius, colour
    for (const cad::Entity& e : drawing.Entities()) {
        if (std::holds_alternative<cad::Line>(e.shape)) ++lines;
        if (const auto* a = std::get_if<cad::Arc>(&e.shape)) {
            EXPECT_NEAR(a->centre.x, 50000, 0.01);
            EXPECT_NEAR(a->centre.y, 50000, 0.01);
            EXPECT_TRUE(a->Covers(270 + 1.0 * 180 / M_PI)) << a->radius; // 100 m, between the stations
            arcs.push_back({std::round(a->radius), e.colour});
        }
    }
    EXPECT_EQ(lines, 3 + 2 + 3);
    EXPECT_EQ(arcs,
              (std::vector<std::pair<double, int>>{{48000, cad::kRed}, {51500, cad::kByLayer}, {56000, cad::kBlue}}));

    cad::view::RenderPng(drawing, OutputPath("shoulder_lines.png"), 1000, 1000);
    const std::string report = ReadBackDxf(OutputPath("shoulder_lines.dxf"), R"(
import sys, ezdxf
doc = ezdxf.readfile(sys.argv[1])
print('errors', len(doc.audit().errors))
msp = doc.modelspace()
for kind in ('LINE', 'ARC'):
    for colour in (1, 5, 256):
        print(kind, colour, len([e for e in msp.query(kind) if e.dxf.color == colour]))
for a in msp.query('ARC'):
    print('arc', a.dxf.color, round(a.dxf.center.x), round(a.dxf.center.y), round(a.dxf.radius))
)");
    EXPECT_EQ(report, "errors 0\nLINE 1 3\nLINE 5 3\nLINE 256 2\nARC 1 1\nARC 5 1\nARC 256 1\n"
                      "arc 1 50000 50000 48000\narc 256 50000 50000 51500\narc 5 50000 50000 56000\n");
}

} // namespace
