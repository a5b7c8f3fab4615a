// Picks of drawing points: the start that clears and arms, and the endings that the CAD
// control's wait event hands the picked points to.
#include "coordinate_fixture.h"

#include "platform/runtime/doevents.h"

#include <QWidget>

namespace {

using coordinates_test::CoordinateTest;
using pellix_test::ScriptedPellix;

class Picking : public CoordinateTest {};

const std::vector<std::string> kCancelTwice{std::string(2, '\x03')};

bool AtRest(const ScriptedPellix& c) { return !c.enabled && !c.visible && !c.cmdIdle && !c.locked; }

TEST_F(Picking, AReferencePickNeedsAReferenceRowClickedLast) {
    座標変換& screen = Screen();
    screen.読込_Click(); // nothing clicked yet: row 0 is the header
    EXPECT_FALSE(screen.PickPending());
    Click(screen.マス, 5, 1); // a row of the point grid, not of the reference grid
    screen.読込_Click();
    EXPECT_FALSE(screen.PickPending());
    ASSERT_EQ(Messages().size(), 2u);
    EXPECT_NE(Messages()[0].find("基準点の行"), std::string::npos);
    EXPECT_EQ(screen.グリッド.TextMatrix(0, 3), " Ｘ(図面座標）");
}

TEST_F(Picking, AReferencePickFillsTheClickedRowInMetres) {
    座標変換& screen = Screen();
    auto [p1, p2] = ScriptedControls();
    TypeReference(2, 10, 20, 1, 2);
    Click(screen.グリッド, 2, 3);
    EXPECT_TRUE(screen.Text1.Visible());
    EXPECT_EQ(screen.Text1.Text(), "1");
    screen.読込_Click();
    EXPECT_TRUE(screen.PickPending());
    EXPECT_TRUE(p2.enabled && p2.visible && p2.cmdIdle && !p2.locked);
    EXPECT_EQ(p2.interval, 200);
    EXPECT_FALSE(p1.enabled);
    EXPECT_EQ(screen.グリッド.TextMatrix(2, 3), ""); // cleared until the point comes
    EXPECT_EQ(screen.グリッド.TextMatrix(2, 4), "");

    p2.picks = {std::pair{123456.7, -9876.5}};
    p2.Ticks(2); // the CAD stands idle at its prompt
    EXPECT_EQ(p2.getPoints, 1);
    EXPECT_FALSE(screen.PickPending());
    EXPECT_EQ(screen.グリッド.TextMatrix(2, 3), "123.4567");
    EXPECT_EQ(screen.グリッド.TextMatrix(2, 4), "-9.8765");
    EXPECT_EQ(screen.Text1.Text(), "123.4567");
    EXPECT_EQ(screen.グリッド.TextMatrix(2, 1), "10");
    // The closing cancel is refused while CmdIdle is on; the control is put to rest.
    EXPECT_EQ(p2.commands, std::vector<std::string>{std::string(2, '\x03')});
    EXPECT_TRUE(p2.typed.empty());
    EXPECT_TRUE(!p2.enabled && !p2.visible && !p2.cmdIdle && !p2.locked);
    EXPECT_TRUE(screen.Visible());
    EXPECT_TRUE(Messages().empty());
}

TEST_F(Picking, ACancelledOrUnaskedReferencePickTakesNothing) {
    座標変換& screen = Screen();
    auto [p1, p2] = ScriptedControls();
    TypeReference(1, 10, 20, 1, 2);
    Click(screen.グリッド, 1, 1);
    screen.読込_Click();
    p2.picks = {std::nullopt}; // the user cancelled in the CAD
    p2.Ticks(2);
    EXPECT_FALSE(screen.PickPending());
    EXPECT_EQ(screen.グリッド.TextMatrix(1, 3), "");
    p2.picks = {std::pair{5000.0, 6000.0}};
    screen.Pellix2_OnAcadCmdWait(); // a wait event with no pick pending asks for nothing
    EXPECT_EQ(p2.getPoints, 1);
    EXPECT_EQ(screen.グリッド.TextMatrix(1, 3), "");
}

TEST_F(Picking, MultiPointPickStopsAtACancelOrAfterFifty) {
    座標変換& screen = Screen();
    auto [p1, p2] = ScriptedControls();
    screen.変換種類(2).SetValue(true);
    ASSERT_TRUE(screen.PickPending());
    EXPECT_TRUE(p1.enabled && p1.cmdIdle);
    for (int k = 1; k <= 3; ++k) p1.picks.push_back(std::pair{1000.0 * k, -500.0 * k});
    p1.Ticks(2);
    EXPECT_EQ(p1.getPoints, 4);
    EXPECT_EQ(screen.PickedCount(), 3);
    EXPECT_FALSE(screen.PickPending());
    EXPECT_FALSE(p1.enabled);
    EXPECT_EQ(screen.マス.TextMatrix(3, 1), "3");
    EXPECT_EQ(screen.マス.TextMatrix(3, 2), "-1.5");
    EXPECT_EQ(screen.マス.TextMatrix(4, 1), "");

    screen.shutokuhenkanten();
    p1.getPoints = 0;
    for (int k = 1; k <= 60; ++k) p1.picks.push_back(std::pair{10.0 * k, 0.0});
    p1.Ticks(2);
    EXPECT_EQ(p1.getPoints, 50);
    EXPECT_EQ(screen.PickedCount(), 50);
    EXPECT_EQ(screen.マス.TextMatrix(50, 1), "0.5");

    // A wait event without a pending pick asks for nothing.
    p1.getPoints = 0;
    screen.Pellix1_OnAcadCmdWait();
    EXPECT_EQ(p1.getPoints, 0);
}

// 戻る or the close box while the CAD waits for the second point of the multi-point pick: the
// prompt is cancelled, the control put back to rest and the first point kept; the screen stays
// hidden. Left before the CAD stood idle, the armed reference pick is only put to rest (the CAD
// was asked nothing) and asks for nothing afterwards.
TEST_F(Picking, LeavingTheScreenEndsItsPick) {
    const struct {
        const char* name;
        void (*leave)(座標変換&);
    } ways[] = {
        {"戻る", [](座標変換& s) { s.戻ボタン_Click(); }},
        {"close box", [](座標変換& s) { s.Window()->close(); }},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.name);
        座標変換& screen = Screen();
        auto [p1, p2] = ScriptedControls();
        screen.Show();
        screen.変換種類(2).SetValue(true);
        p1.picks = {std::pair{1000.0, 2000.0}, std::pair{3000.0, 4000.0}};
        p1.duringPick = [&](int prompt) {
            if (prompt == 2) way.leave(screen);
        };
        p1.Ticks(2);
        EXPECT_EQ(p1.getPoints, 2);
        EXPECT_EQ(p1.interCancels, 1);
        EXPECT_EQ(p1.typed, kCancelTwice) << "the CAD's prompt is cancelled";
        EXPECT_TRUE(AtRest(p1));
        EXPECT_FALSE(screen.PickPending());
        EXPECT_EQ(screen.PickedCount(), 1);
        EXPECT_EQ(screen.マス.TextMatrix(1, 1), "1");
        EXPECT_EQ(screen.マス.TextMatrix(2, 1), "");
        EXPECT_FALSE(screen.Visible());

        screen.Show();
        Click(screen.グリッド, 1, 3);
        screen.読込_Click();
        ASSERT_TRUE(screen.PickPending());
        way.leave(screen);
        EXPECT_FALSE(screen.PickPending());
        EXPECT_TRUE(AtRest(p2));
        EXPECT_TRUE(p2.commands.empty());
        p2.picks = {std::pair{5.0, 6.0}};
        p2.Ticks(2);
        EXPECT_EQ(p2.getPoints, 0);
        EXPECT_FALSE(screen.Visible());

        forms::Unload<座標変換>();
        rt::DoEvents();
    }
}

// Every screen unloaded at once (program end, a test's tear-down) while the CAD waits for the
// second point: the pick ends first, and only then does the screen go.
TEST_F(Picking, UnloadingEveryScreenDuringAPickEndsThePickFirst) {
    座標変換& screen = Screen();
    auto [p1, p2] = ScriptedControls();
    screen.変換種類(2).SetValue(true);
    p1.picks = {std::pair{1000.0, 2000.0}, std::pair{3000.0, 4000.0}};
    p1.duringPick = [](int prompt) {
        if (prompt == 2) forms::UnloadAll();
    };
    p1.Ticks(2);
    EXPECT_FALSE(forms::IsLoaded<座標変換>());
    EXPECT_EQ(p1.getPoints, 2);
    EXPECT_EQ(p1.interCancels, 1);
    EXPECT_EQ(p1.typed, kCancelTwice);
    EXPECT_TRUE(AtRest(p1));
    EXPECT_EQ(screen.PickedCount(), 1);
    rt::DoEvents(); // the screen and its controls are deleted now
}

} // namespace
