// The plan options screen and the single-station plot of the drawing screen, as the user
// meets them: what the buttons send, what they refuse, and that a plot leaves the stations
// and the end of the road as the next plan drawing needs them.
#include "plan_fixture.h"
#include "vantor/drawing/plan/作図選択画面.h"
#include "vantor/model/bus/alignment_tables.h"
#include "vantor/model/bus/drawing_tables.h"
#include "vantor/sections/横断勾配入力画面.h"

namespace {

using namespace 縦断bus;

class PlanScreens : public plan_test::PlanTest {
protected:
    static 作図選択画面& Choice() { return forms::Get<作図選択画面>(); }
    static 作図画面& Drawing() { return forms::Get<作図画面>(); }

    std::vector<std::string> Sent() {
        std::vector<std::string> lines = Lines(cad_);
        cad_.executes.clear();
        return lines;
    }
    std::vector<std::string> Plot(const std::string& station) {
        Drawing().測点.SetText(station);
        Drawing().測点プロット_Click();
        return Sent();
    }

    plan_test::RecordingCad cad_;
};

TEST_F(PlanScreens, OptionsScreenAsCreated) {
    作図選択画面& s = Choice();
    EXPECT_EQ(s.Caption(), "作図選択画面");
    const char* captions[] = {"センター", "幅　　　員", "測点文字"};
    for (int box = 0; box <= 2; ++box) {
        EXPECT_EQ(s.作図ボタン(box).Caption(), captions[box]);
        EXPECT_EQ(s.作図ボタン(box).Value(), forms::vbUnchecked);
    }
    EXPECT_EQ(s.作図.Caption(), "作図");
    EXPECT_EQ(s.戻るボタン.Caption(), "戻る");
}

TEST_F(PlanScreens, CrossSlopeScreensDrawingButtonShowsTheOptions) {
    Drawing();
    横断勾配入力画面& slopes = forms::Get<横断勾配入力画面>();
    slopes.Toolbar1_ButtonClick(slopes.Toolbar1.Buttons("作図"));
    EXPECT_TRUE(Choice().Visible());
    EXPECT_TRUE(Messages().empty());
}

TEST_F(PlanScreens, DrawingTwiceSendsThePlanTwiceAndBackKeepsTheChoice) {
    Drawing();
    作図選択画面& s = Choice();
    s.Show();
    s.作図_Click();
    EXPECT_TRUE(Sent().empty()); // nothing chosen
    s.作図ボタン(0).SetValue(forms::vbChecked);
    s.作図_Click();
    const std::vector<std::string> first = Sent();
    ASSERT_FALSE(first.empty());
    EXPECT_EQ(first.front(), "LINE 0,0 100000,0 \r");
    s.作図_Click();
    EXPECT_EQ(Sent(), first);
    EXPECT_TRUE(s.Visible());

    s.戻るボタン_Click();
    EXPECT_FALSE(s.Visible());
    EXPECT_EQ(s.作図ボタン(0).Value(), forms::vbChecked);
    EXPECT_TRUE(Messages().empty());
}

TEST_F(PlanScreens, SizesComeFromTheDrawingScreen) {
    Drawing().縮尺.SetText("abc");
    Choice().作図ボタン(2).SetValue(forms::vbChecked);
    Choice().作図_Click();
    EXPECT_TRUE(Sent().empty());
    EXPECT_EQ(Messages(), std::vector<std::string>{"縮尺には０より大きい数値を入力してください。"});

    forms::script::Reset();
    Drawing().縮尺.SetText("1000");
    Drawing().文字サイズ.SetText("2.5");
    Choice().作図_Click();
    const std::vector<std::string> lines = Sent();
    ASSERT_GE(lines.size(), 6u);
    EXPECT_EQ(lines[2], "0,20000\r"); // 1000 × 20 out along the normal
    EXPECT_EQ(lines[3], "2500\r");
}

TEST_F(PlanScreens, StationPlotNeedsThePlanSizes) {
    EXPECT_TRUE(Plot("20").empty());
    EXPECT_EQ(Messages(), std::vector<std::string>{
                              "測点表示円と文字の大きさがまだ決まっていません。先に平面図を作図してください。"});
}

// After a plan drawing: the circle and the label of the typed station; the stations, the end
// of the road in the entry after them and the station counter stay as they were, so the next
// plan drawing sends the same lines.
TEST_F(PlanScreens, StationPlotLeavesTheStationsAsTheyWere) {
    作図選択画面& s = Choice();
    for (int box = 0; box <= 2; ++box) s.作図ボタン(box).SetValue(forms::vbChecked);
    s.作図_Click();
    const std::vector<std::string> plan = Sent();
    const auto x = sokutenx, y = sokuteny, chainage = sokutenkyori;
    const auto hx = hojox, hy = hojoy;
    const auto left = fukuinhidarix, right = fukuinmigiy;
    const int counter = sokutenbangou;

    // clang-format off
    EXPECT_EQ(Plot("20"), (std::vector<std::string>{"CIRCLE\r", "20000,0 100\r", "DTEXT \r", "\r\r",
                                                    "20000,10000\r", "1000\r", "90\r", "+ 20.00\r", "\r\r", "\r\r"}));
    EXPECT_EQ(Plot(""), (std::vector<std::string>{"CIRCLE\r", "0,0 100\r", "DTEXT \r", "\r\r",
                                                  "0,10000\r", "1000\r", "90\r", "+ 0.00\r", "\r\r", "\r\r"}));
    // clang-format on
    EXPECT_EQ(Plot("170")[1], "100000,91460 100\r");
    EXPECT_TRUE(x == sokutenx && y == sokuteny && chainage == sokutenkyori);
    EXPECT_TRUE(hx == hojox && hy == hojoy && left == fukuinhidarix && right == fukuinmigiy);
    EXPECT_EQ(sokutenbangou, counter);

    s.作図_Click();
    EXPECT_EQ(Sent(), plan);
    EXPECT_TRUE(Messages().empty());
}

} // namespace
