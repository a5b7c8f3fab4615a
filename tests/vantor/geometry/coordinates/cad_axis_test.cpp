// CAD軸変換 through the command channel into the CAD: the eight lines as sent, and the drawing
// moved into site coordinates where the point conversion puts the same points.
#include "cad/command/command_line.h"
#include "cad/command/dde_endpoint.h"
#include "cad/drawing/drawing.h"
#include "coordinate_fixture.h"
#include "platform/dde/dde_server.h"
#include "vantor/drawing/作図画面.h"
#include "vantor/model/bus/drawing_tables.h"

#include <functional>

namespace {

using namespace 縦断bus;
using coordinates_test::CoordinateTest;

class CadAxis : public CoordinateTest {
protected:
    // The fit of three points turned by 123°, their drawing points a few millimetres off.
    void FitNoisySurvey() {
        TypeTurned(1, 100, 50, 123, 1000, 2000);
        TypeTurned(2, 180, 90, 123, 1000, 2000);
        TypeTurned(3, 250, 20, 123, 1000, 2000);
        Screen().グリッド.SetTextMatrix(2, 3, rt::CStr(rt::Val(Screen().グリッド.TextMatrix(2, 3)) + 0.003));
        Screen().グリッド.SetTextMatrix(3, 4, rt::CStr(rt::Val(Screen().グリッド.TextMatrix(3, 4)) - 0.002));
        Screen().解放_Click();
        ASSERT_TRUE(Messages().empty());
    }
};

TEST_F(CadAxis, TheEightLinesGoOutOneExecuteEach) {
    std::vector<std::string> executes;
    dde::ServerRegistration cad("AutoCAD LT.DDE", "System", [&](const std::string& c) { executes.push_back(c); });
    forms::Get<作図画面>();
    座標変換& screen = Screen();
    TypeTurned(1, 100, 50, 30, 1000, 2000);
    TypeTurned(2, 180, 90, 30, 1000, 2000);
    screen.解放_Click();
    screen.変換ボタン_Click();
    ASSERT_EQ(executes.size(), 8u);
    // The typed cells hold 15 digits, so the shift is −1000, −2000 to about 1e-8.
    const double p3 = screen.Fit()->p3, p4 = screen.Fit()->p4;
    EXPECT_NEAR(p3, -1000, 1e-7);
    EXPECT_NEAR(p4, -2000, 1e-7);
    EXPECT_EQ(executes[2], rt::CStr(-1000 * p3) + "," + rt::CStr(-1000 * p4) + "\r");
    EXPECT_EQ(executes[3], "@" + rt::CStr(1000 * p3) + "," + rt::CStr(1000 * p4) + "\r");
    EXPECT_EQ(executes[7], screen.度.Caption() + "\r");
    EXPECT_EQ(komando, screen.度.Caption());
}

// Nothing to move by: before any fit, or with a fit of points that lie alike in both systems.
// Nothing reaches the CAD (whose selection, empty or not, would leave the points and the angle
// at its prompt as commands) and the user is told why.
TEST_F(CadAxis, NothingToMoveBySendsNothing) {
    cad::Drawing drawing;
    cad::command::CommandLine commandLine{drawing};
    cad::command::DdeEndpoint server{commandLine, "AutoCAD LT.DDE", "System"};
    forms::Get<作図画面>();
    座標変換& screen = Screen();
    const struct {
        const char* name;
        std::function<void()> fit;
        const char* told;
    } cases[] = {
        {"no fit", [] {}, "CAD軸変換は、基準点を解析してからにしてください。"},
        {"a fit that moves nothing",
         [&] {
             TypeReference(1, 10, 0, 10, 0);
             TypeReference(2, 20, 0, 20, 0);
             screen.解放_Click();
             ASSERT_TRUE(screen.Fit());
         },
         "解析結果の回転角と平行移動量がすべて０なので、CADの図面は動かしません。"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        forms::script::Reset();
        c.fit();
        screen.変換ボタン_Click();
        EXPECT_EQ(Messages(), std::vector<std::string>{c.told});
        EXPECT_TRUE(commandLine.History().empty());
        EXPECT_TRUE(commandLine.Rejections().empty());
        EXPECT_TRUE(commandLine.IsIdle());
    }
}

TEST_F(CadAxis, TheMovedDrawingLiesWhereThePointsConvert) {
    cad::Drawing drawing;
    cad::command::CommandLine commandLine{drawing};
    cad::command::DdeEndpoint server{commandLine, "AutoCAD LT.DDE", "System"};
    forms::Get<作図画面>();
    座標変換& screen = Screen();
    FitNoisySurvey();

    // A line in the drawing [mm] between two points that the point grid converts as well.
    const double points[2][2] = {{1234.5, 1987.25}, {1400.125, 1900.5}};
    drawing.Add(cad::Line{{points[0][0] * 1000, points[0][1] * 1000}, {points[1][0] * 1000, points[1][1] * 1000}});
    auto [p1, p2] = ScriptedControls();
    screen.変換種類(2).SetValue(true);
    p1.picks = {std::pair{points[0][0] * 1000, points[0][1] * 1000},
                std::pair{points[1][0] * 1000, points[1][1] * 1000}};
    p1.Ticks(2);
    screen.現地座標ボタン_Click();

    screen.変換ボタン_Click();
    EXPECT_TRUE(Messages().empty());
    EXPECT_TRUE(commandLine.IsIdle()) << commandLine.Prompt();
    EXPECT_TRUE(commandLine.Rejections().empty()) << commandLine.Rejections().front().reason;
    ASSERT_EQ(drawing.Entities().size(), 1u);
    const auto* line = std::get_if<cad::Line>(&drawing.Entities()[0].shape);
    ASSERT_TRUE(line);
    const cad::Point ends[2] = {line->a, line->b};
    for (int n = 0; n < 2; ++n) {
        // The grid shows millimetres; the drawing keeps them unrounded.
        EXPECT_NEAR(ends[n].x / 1000, rt::Val(screen.マス.TextMatrix(n + 1, 3)), 0.0005) << n;
        EXPECT_NEAR(ends[n].y / 1000, rt::Val(screen.マス.TextMatrix(n + 1, 4)), 0.0005) << n;
    }
}

} // namespace
