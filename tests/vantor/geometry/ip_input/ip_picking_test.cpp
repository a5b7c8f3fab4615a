// Points picked in the CAD: a series into the rows from the first (自動入力, Pellix1) and the
// point of one row again (修正, Pellix2), each run when its control reports the CAD idle.
#include "ip_input_fixture.h"

#include "platform/runtime/doevents.h"
#include "vantor/model/bus/alignment_tables.h"

#include <QWidget>

namespace {

using namespace 縦断bus;
using ip_input_test::Row;

class IpPicking : public ip_input_test::IpInputTest {};

const std::vector<std::string> kCancelTwice{std::string(2, '\x03')};

TEST_F(IpPicking, ASeriesFillsXAndYFromTheFirstRow) {
    IP入力画面& s = Screen();
    auto [p1, p2] = ScriptedControls();
    Fill({{"1", "1", ""}, {"2", "2", "40"}, {"3", "3", ""}, {"4", "4", ""}, {"5", "5", ""}});
    s.自動入力_Click();
    EXPECT_TRUE(s.PickPending());
    EXPECT_TRUE(p1.enabled && p1.visible && p1.cmdIdle && !p1.locked);
    EXPECT_EQ(p1.interval, 200);
    EXPECT_FALSE(p2.enabled);
    s.Hide();

    p1.picks = {std::pair{123456.7, -9876.5}, std::pair{100000.0, 0.0}, std::pair{0.5, 250.0}};
    p1.Ticks(2); // the CAD stands idle at its prompt; the script then runs out: a cancel
    EXPECT_EQ(p1.getPoints, 4);
    EXPECT_EQ(s.PickedCount(), 3);
    // clang-format off
    EXPECT_EQ(Rows(1, 5), (std::vector<Row>{{"123.4567", "-9.8765", ""},
                                            {"100", "0", "40"},
                                            {"0.0005", "0.25", ""},
                                            {"4", "4", ""},
                                            {"5", "5", ""}}));
    // clang-format on
    EXPECT_EQ(ipx(0), 0.0f); // the table follows at 転送 or 完了
    EXPECT_EQ(p1.commands, kCancelTwice);
    EXPECT_TRUE(!p1.enabled && !p1.visible && !p1.cmdIdle && !p1.locked);
    EXPECT_FALSE(s.PickPending());
    EXPECT_TRUE(s.Visible());
    EXPECT_TRUE(Messages().empty());
}

TEST_F(IpPicking, ASeriesStopsAtTheLastRowAndSaysSo) {
    IP入力画面& s = Screen();
    auto [p1, p2] = ScriptedControls();
    s.自動入力_Click();
    for (int k = 1; k <= 60; ++k) p1.picks.push_back(std::pair{1000.0 * k, 0.0});
    p1.Ticks(2);
    EXPECT_EQ(p1.getPoints, IP入力画面::kPointRows);
    EXPECT_EQ(s.グリッド.TextMatrix(IP入力画面::kPointRows, 0), "51");
    EXPECT_EQ(Messages(), std::vector<std::string>{"点は51点まで取得できます。51点を取得したので終了しました。"});
    EXPECT_FALSE(p1.enabled);
}

TEST_F(IpPicking, RepickingARowNeedsARowClickedAndKeepsItWhenCancelled) {
    IP入力画面& s = Screen();
    auto [p1, p2] = ScriptedControls();
    Fill({{"1", "1", ""}, {"2", "2", "40"}});
    s.修正ボタン_Click(); // nothing clicked yet: the header row
    EXPECT_FALSE(s.PickPending());
    EXPECT_EQ(Messages(), std::vector<std::string>{"取り直す点の行を表でクリックしてから修正を押してください。"});
    EXPECT_EQ(s.グリッド.TextMatrix(0, 0), " ｘ座標");

    Click(2, 1);
    s.修正ボタン_Click();
    EXPECT_TRUE(p2.enabled && p2.cmdIdle);
    EXPECT_EQ(Rows(2, 2), (std::vector<Row>{{"", "", "40"}}));
    p2.picks = {std::pair{5500.0, -1250.0}};
    p2.Ticks(2);
    EXPECT_EQ(Rows(2, 2), (std::vector<Row>{{"5.5", "-1.25", "40"}}));
    EXPECT_EQ(s.Text1.Text(), "-1.25");
    EXPECT_EQ(p2.commands, kCancelTwice);
    EXPECT_FALSE(p2.enabled);

    s.修正ボタン_Click();
    p2.Ticks(2); // the user cancels in the CAD
    EXPECT_EQ(Rows(2, 2), (std::vector<Row>{{"5.5", "-1.25", "40"}}));
    EXPECT_FALSE(s.PickPending());
}

TEST_F(IpPicking, OnlyTheArmedControlPicks) {
    IP入力画面& s = Screen();
    auto [p1, p2] = ScriptedControls();
    // A control as placed watches the CAD: its first idle report only puts it to rest.
    p2.SetInterval(500);
    p2.SetEnabled(true);
    s.Hide();
    p2.picks = {std::pair{1.0, 2.0}};
    p2.Ticks(2);
    EXPECT_EQ(p2.getPoints, 0);
    EXPECT_FALSE(p2.enabled);
    EXPECT_FALSE(s.Visible());

    // Arming one control puts the other back to rest, and the row 修正 had emptied back.
    Fill({{"7", "8", ""}});
    Click(1, 0);
    s.修正ボタン_Click();
    EXPECT_EQ(Rows(1, 1), (std::vector<Row>{{"", "", ""}}));
    s.自動入力_Click();
    EXPECT_EQ(Rows(1, 1), (std::vector<Row>{{"7", "8", ""}}));
    EXPECT_FALSE(p2.enabled);
    EXPECT_TRUE(p1.enabled);
    s.Pellix2_OnAcadCmdWait();
    EXPECT_EQ(p2.getPoints, 0);
    EXPECT_TRUE(s.PickPending());
}

TEST_F(IpPicking, AnotherActiveCadDoesNotTakeTheControl) {
    auto [p1, p2] = ScriptedControls();
    p1.SetAcadLocked(false);
    bool reload = false;
    ASSERT_TRUE(p1.OnActiveChange);
    p1.OnActiveChange(1, 2, reload);
    EXPECT_TRUE(p1.locked);
}

// The screen is unloaded while the CAD waits for a point of the series: the pick ends first
// (the wait cancelled, the CAD and the control put back to rest), and only then does it go.
TEST_F(IpPicking, AScreenUnloadedDuringItsPickEndsThePickBeforeItGoes) {
    IP入力画面& s = Screen();
    auto [p1, p2] = ScriptedControls();
    s.自動入力_Click();
    p1.picks = {std::pair{-35000500.0, 12000250.0}, std::pair{-35010000.0, 12005000.0},
                std::pair{-35020000.0, 12010000.0}};
    p1.duringPick = [](int prompt) {
        if (prompt == 2) forms::Unload<IP入力画面>();
    };
    p1.Ticks(2);
    EXPECT_FALSE(forms::IsLoaded<IP入力画面>());
    EXPECT_EQ(p1.getPoints, 2) << "no point is asked once the screen was left";
    EXPECT_EQ(p1.interCancels, 1);
    EXPECT_EQ(p1.commands, kCancelTwice);
    EXPECT_EQ(p1.typed, kCancelTwice) << "the CAD's prompt is cancelled";
    EXPECT_TRUE(!p1.enabled && !p1.visible && !p1.cmdIdle && !p1.locked);
    EXPECT_EQ(s.PickedCount(), 1);
    EXPECT_FALSE(s.Visible());
    rt::DoEvents(); // the screen and its controls are deleted now
}

// Every screen unloaded at once (program end, a test's tear-down) during the pick: the same.
TEST_F(IpPicking, UnloadingEveryScreenDuringAPickEndsThePickFirst) {
    IP入力画面& s = Screen();
    auto [p1, p2] = ScriptedControls();
    s.自動入力_Click();
    p1.picks = {std::pair{1000.0, 2000.0}, std::pair{3000.0, 4000.0}};
    p1.duringPick = [](int prompt) {
        if (prompt == 2) forms::UnloadAll();
    };
    p1.Ticks(2);
    EXPECT_FALSE(forms::IsLoaded<IP入力画面>());
    EXPECT_EQ(p1.getPoints, 2);
    EXPECT_EQ(p1.interCancels, 1);
    EXPECT_EQ(p1.typed, kCancelTwice);
    EXPECT_TRUE(!p1.enabled && !p1.visible && !p1.cmdIdle);
    EXPECT_EQ(s.PickedCount(), 1);
    rt::DoEvents();
}

// ｷｬﾝｾﾙ, the close box or 完了 before the CAD stood idle: the armed control is put back to rest
// without a cancel (the CAD was asked nothing), and the row 修正 had emptied gets its point back.
TEST_F(IpPicking, LeavingPutsAnArmedControlToRest) {
    IP入力画面& s = Screen();
    auto [p1, p2] = ScriptedControls();
    Fill({{"7", "8", ""}});
    s.自動入力_Click();
    s.キャンセルボタン_Click();
    EXPECT_FALSE(s.PickPending());
    EXPECT_FALSE(p1.enabled);
    EXPECT_TRUE(p1.commands.empty());
    EXPECT_FALSE(s.Visible());

    s.Show();
    Click(1, 0);
    s.修正ボタン_Click();
    s.Window()->close();
    EXPECT_FALSE(s.PickPending());
    EXPECT_FALSE(p2.enabled);
    EXPECT_TRUE(p2.commands.empty());
    EXPECT_FALSE(s.Visible());
    EXPECT_EQ(Rows(1, 1), (std::vector<Row>{{"7", "8", ""}}));
    p2.picks = {std::pair{1.0, 2.0}};
    p2.Ticks(2);
    EXPECT_EQ(p2.getPoints, 0);
    EXPECT_FALSE(s.Visible());

    // 完了 as well, and it then hands the grid's points on.
    s.Show();
    Fill({{"7", "8", ""}, {"9", "10", ""}});
    s.自動入力_Click();
    Press("完了");
    EXPECT_FALSE(s.PickPending());
    EXPECT_FALSE(p1.enabled);
    EXPECT_FALSE(s.Visible());
    EXPECT_EQ(ipsuu, 0);
    EXPECT_EQ(ipx(1), 9000.0f);
}

} // namespace
