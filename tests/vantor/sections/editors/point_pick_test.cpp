// Picking points in the CAD through the screen's control, driven by the control's ticks.
#include "editor_fixture.h"

#include "platform/runtime/doevents.h"
#include "vantor/model/bus/section_tables.h"

#include <QAbstractButton>

namespace {

using namespace 縦断bus;
using editors_test::EditorTest;
using editors_test::ScriptedControl;
using section_test::RecordingCad;

const std::string kTwoCancels(2, '\x03');

bool Disarmed(const ScriptedControl& c) { return !c.enabled && !c.visible && !c.cmdIdle && !c.locked; }

TEST_F(EditorTest, FirstIdleEventOfTheFreshControlOnlyCancels) {
    SetRoad({{0, 10, 10}});
    genkyouhidari(1, 0, 1) = "1";
    現況横断図& screen = Ground();
    auto control = std::make_unique<ScriptedControl>();
    ScriptedControl& c = *control;
    screen.UsePellix(std::move(control));
    EXPECT_TRUE(c.enabled);
    EXPECT_EQ(c.interval, 500);
    c.Tick();
    EXPECT_EQ(c.commands.size(), 0u); // one idle tick is not yet an idle prompt
    c.Tick();
    EXPECT_EQ(c.getPoints, 0);
    EXPECT_EQ(c.typed, std::vector<std::string>{kTwoCancels});
    EXPECT_TRUE(Disarmed(c));
    EXPECT_EQ(genkyouhidari(1, 0, 1), "1");
    c.Ticks(5); // disabled: no further event
    EXPECT_EQ(c.commands.size(), 1u);
}

TEST_F(EditorTest, PickedPointsReplaceTheChosenSideOfTheStation) {
    SetRoad({{0, 10, 10}});
    for (int p = 0; p < 6; ++p) genkyouhidari(1, p, 1) = genkyouhidari(1, p, 2) = "9";
    genkyoumigi(1, 0, 1) = "4";
    現況横断図& screen = Ground();
    ScriptedControl& c = Attach(screen);
    screen.左右(0).SetValue(true);
    screen.受信ボタン_Click();
    EXPECT_TRUE(screen.PickArmed());
    EXPECT_TRUE(c.enabled && c.visible && c.cmdIdle && !c.locked);
    EXPECT_EQ(c.interval, 200);
    EXPECT_TRUE(c.commands.empty()); // arming sends nothing

    c.picks = {{{-3456.789, 1200}}, {{-2000, -250.5}}, {{-15, 0}}, std::nullopt};
    c.Ticks(2);
    EXPECT_EQ(c.getPoints, 4);
    EXPECT_EQ(screen.PickedCount(), 3);
    const char* offsets[] = {"3.456789", "2", "0.015"};
    const char* heights[] = {"1.2", "-0.2505", "0"};
    for (int p = 0; p < 3; ++p) {
        EXPECT_EQ(genkyouhidari(1, p, 1), offsets[p]);
        EXPECT_EQ(genkyouhidari(1, p, 2), heights[p]);
        EXPECT_EQ(screen.グリッド.TextMatrix(p + 2, 0), offsets[p]);
        EXPECT_EQ(screen.グリッド.TextMatrix(p + 2, 1), heights[p]);
    }
    for (int p = 3; p < 20; ++p) EXPECT_TRUE(genkyouhidari(1, p, 1).empty() && genkyouhidari(1, p, 2).empty()) << p;
    EXPECT_TRUE(screen.グリッド.TextMatrix(7, 0).empty());
    EXPECT_EQ(genkyoumigi(1, 0, 1), "4");
    // The closing cancel comes while the control is still line by line: it types nothing.
    EXPECT_EQ(c.commands, std::vector<std::string>{kTwoCancels});
    EXPECT_TRUE(c.typed.empty());
    EXPECT_TRUE(Disarmed(c));
    EXPECT_FALSE(screen.PickArmed());
    EXPECT_EQ(genkyouhidarisuu(1), 3); // the preview of the picked points was redrawn

    // A pick cancelled at its first point empties the side.
    screen.受信ボタン_Click();
    c.picks = {std::nullopt};
    c.Ticks(2);
    EXPECT_TRUE(genkyouhidari(1, 0, 1).empty());
    EXPECT_EQ(genkyoumigi(1, 0, 1), "4");
}

TEST_F(EditorTest, NoSideChosenArmsNothing) {
    SetRoad({{0, 10, 10}});
    切盛ライン設定画面& screen = CutFill();
    ScriptedControl& c = Attach(screen);
    screen.受信ボタン_Click();
    EXPECT_FALSE(screen.PickArmed());
    EXPECT_FALSE(c.enabled);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_NE(Messages()[0].find("左・右"), std::string::npos);
    c.picks = {{{100, 100}}};
    c.Ticks(4);
    EXPECT_EQ(c.getPoints, 0);
}

TEST_F(EditorTest, APickStopsAtTwentyPointsWithAMessage) {
    SetRoad({{0, 10, 10}});
    切盛ライン設定画面& screen = CutFill();
    ScriptedControl& c = Attach(screen);
    screen.左右(1).SetValue(true);
    screen.受信ボタン_Click();
    for (int k = 1; k <= 25; ++k) c.picks.push_back({{k * 1000.0, 0}});
    c.Ticks(2);
    EXPECT_EQ(c.getPoints, 20);
    EXPECT_EQ(kirimorimigi(1, 19, 1), "20");
    EXPECT_EQ(kirimorimigi(1, 0, 1), "1");
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_NE(Messages()[0].find("20"), std::string::npos);
    EXPECT_EQ(c.commands, std::vector<std::string>{kTwoCancels});
    EXPECT_TRUE(Disarmed(c));
}

// The user steps to the next station while the CAD waits for the first point: the points go
// to the station the pick was armed on; the grid keeps showing the new station.
TEST_F(EditorTest, AStationChangeDuringAPickStoresIntoTheStationArmed) {
    SetRoad({{0, 10, 10}, {20, 10, 10}});
    genkyoumigi(2, 0, 1) = "8";
    RecordingCad cad;
    DrawingScreen();
    現況横断図& screen = Ground();
    ScriptedControl& c = Attach(screen);
    screen.左右(1).SetValue(true);
    screen.受信ボタン_Click();
    c.duringPick = [&](int prompt) {
        if (prompt == 1) screen.移動ボタン_Click(1);
    };
    c.picks = {{{1500, 250}}, std::nullopt};
    c.Ticks(2);
    EXPECT_EQ(danmenbangou, 2);
    EXPECT_EQ(genkyoumigi(1, 0, 1), "1.5");
    EXPECT_EQ(genkyoumigi(1, 0, 2), "0.25");
    EXPECT_EQ(genkyoumigi(2, 0, 1), "8");
    EXPECT_EQ(screen.グリッド.TextMatrix(2, 3), "8");
}

// The user leaves with the screen's own 戻る while the CAD waits for the second point: the pick
// ends first (the wait cancelled, the CAD and the control put back to rest) and keeps the
// point picked before, and only then does the screen go.
TEST_F(EditorTest, LeavingDuringAPickEndsThePickBeforeTheScreenGoes) {
    SetRoad({{0, 10, 10}});
    現況横断図& screen = Ground();
    ScriptedControl& c = Attach(screen);
    screen.左右(1).SetValue(true);
    screen.受信ボタン_Click();
    c.duringPick = [&](int prompt) {
        if (prompt == 2) qobject_cast<QAbstractButton*>(screen.Command1.Widget())->click();
    };
    c.picks = {{{1500, 250}}, {{2500, 300}}, {{3500, 350}}, std::nullopt};
    c.Ticks(2);
    EXPECT_FALSE(forms::IsLoaded<現況横断図>());
    EXPECT_EQ(c.getPoints, 2) << "no point is asked once the user left";
    EXPECT_EQ(c.interCancels, 1);
    EXPECT_EQ(c.commands, std::vector<std::string>{kTwoCancels});
    EXPECT_EQ(c.typed, std::vector<std::string>{kTwoCancels}) << "the CAD's prompt is cancelled";
    EXPECT_TRUE(Disarmed(c));
    EXPECT_EQ(genkyoumigi(1, 0, 1), "1.5");
    EXPECT_TRUE(genkyoumigi(1, 1, 1).empty());
    EXPECT_FALSE(screen.Visible());
    rt::DoEvents(); // the screen and its control are deleted now
}

} // namespace
