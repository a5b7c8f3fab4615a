// A picking screen closed with its close box while the CAD asks for the second point: the pick
// ends as a cancel ends it (the CAD back at its command prompt, the control at rest, the first
// point kept), and the screen opened again picks its next points, and only those. 完了 of the
// IP input screen during a pick ends it the same way before it finishes.
#include "workflow_fixture.h"

#include "vantor/geometry/coordinates/座標変換.h"
#include "vantor/model/bus/alignment_tables.h"
#include "vantor/model/bus/profile_tables.h"
#include "vantor/model/bus/section_tables.h"
#include "vantor/sections/earthwork/面積計算選択画面.h"
#include "vantor/sections/editors/切盛ライン設定画面.h"
#include "vantor/sections/editors/現況横断図.h"

#include <QWidget>

namespace workflow_test {
namespace {

using namespace 縦断bus;

using Texts = std::vector<std::string>;

class LeavingAPick : public WorkflowTest {
protected:
    void SetUp() override {
        WorkflowTest::SetUp();
        ClickTool("新規");
        StartCadFromMenu();
        sokutensuu = 3;
        for (int r = 1; r <= 3; ++r) tatedata(r, tate_col::kStation) = 20.0f * (r - 1);
    }

    static void CloseBox(forms::Form& screen) { screen.Window()->close(); }

    // Lets the desktop run until the CAD has had every answer and `ended` holds; the CAD then
    // stands at its command prompt.
    void WaitForTheEnd(const std::function<bool()>& ended) {
        RunUntil([&] { return !AnswersLeft() && ended(); });
        ASSERT_FALSE(AnswersLeft());
        ASSERT_TRUE(ended());
        desk::testing::RunFor(1000);
        EXPECT_TRUE(Cad().commandLine().IsIdle()) << Cad().commandLine().Prompt();
    }

    // The left points 1 .. 3 of station 1 of a section point table: offset and height.
    template <class Table>
    static std::vector<Texts> LeftPoints(const Table& table) {
        std::vector<Texts> points;
        for (int p = 0; p < 3; ++p) points.push_back({table(1, p, 1), table(1, p, 2)});
        return points;
    }

    // A section point editor: the left side of station 1 picked, closed at the second prompt,
    // then opened again by `open` and picked anew.
    template <class Screen>
    void PickAcrossTheCloseBox(const std::function<Screen&()>& open, const decltype(genkyouhidari)& table) {
        Screen* screen = &open();
        ASSERT_TRUE(Hosted(screen->Pellix1()));
        screen->左右(0).SetValue(true);
        screen->受信ボタン_Click();
        PickInCadThen({{-2000, 100}}, [&] { CloseBox(*screen); });
        WaitForTheEnd([&] { return !forms::IsLoaded<Screen>() || !screen->PickArmed(); });
        EXPECT_FALSE(forms::IsLoaded<Screen>() && forms::Get<Screen>().Visible());
        EXPECT_TRUE(forms::Get<面積計算選択画面>().Visible());
        EXPECT_EQ(LeftPoints(table), (std::vector<Texts>{{"2", "0.1"}, {"", ""}, {"", ""}}));

        screen = &open();
        ASSERT_TRUE(Hosted(screen->Pellix1()));
        screen->左右(0).SetValue(true);
        screen->受信ボタン_Click();
        PickInCad({{-3000, 200}, {-6000, -400}});
        WaitForTheEnd([&] { return !screen->PickArmed(); });
        EXPECT_EQ(screen->PickedCount(), 2);
        EXPECT_EQ(LeftPoints(table), (std::vector<Texts>{{"3", "0.2"}, {"6", "-0.4"}, {"", ""}}));
        EXPECT_TRUE(screen->Visible());
    }
};

TEST_F(LeavingAPick, TheIpInputScreen) {
    DrawingScreen().IP入力ボタン_Click();
    IP入力画面& screen = forms::Get<IP入力画面>();
    ASSERT_TRUE(Hosted(screen.Pellix1()));
    const auto rows = [&screen] {
        std::vector<Texts> texts;
        for (int r = 1; r <= 3; ++r)
            texts.push_back({screen.グリッド.TextMatrix(r, 0), screen.グリッド.TextMatrix(r, 1)});
        return texts;
    };
    screen.自動入力_Click();
    PickInCadThen({{10000, 20000}}, [&] { CloseBox(screen); });
    WaitForTheEnd([&] { return !screen.PickPending(); });
    EXPECT_FALSE(screen.Visible());
    EXPECT_FALSE(screen.Pellix1().Enabled());
    EXPECT_EQ(rows()[0], (Texts{"10", "20"}));

    DrawingScreen().IP入力ボタン_Click();
    screen.自動入力_Click();
    PickInCad({{30000, 40000}, {50000, 60000}});
    WaitForTheEnd([&] { return !screen.PickPending(); });
    EXPECT_EQ(screen.PickedCount(), 2);
    EXPECT_EQ(rows(), (std::vector<Texts>{{"30", "40"}, {"50", "60"}, {"", ""}}));
    EXPECT_TRUE(screen.Visible());
}

// 完了 pressed while the CAD asks for the third point: the pick ends as a cancel ends it, and
// the two points picked become the alignment's start and end as 完了 hands them on.
TEST_F(LeavingAPick, FinishingTheIpInput) {
    DrawingScreen().IP入力ボタン_Click();
    IP入力画面& screen = forms::Get<IP入力画面>();
    ASSERT_TRUE(Hosted(screen.Pellix1()));
    screen.自動入力_Click();
    PickInCadThen({{10000, 20000}, {30000, 40000}},
                  [&] { screen.Toolbar1_ButtonClick(screen.Toolbar1.Buttons("完了")); });
    WaitForTheEnd([&] { return !screen.PickPending(); });
    EXPECT_FALSE(screen.Pellix1().Enabled());
    EXPECT_FALSE(screen.Visible());
    EXPECT_TRUE(DrawingScreen().Visible());
    EXPECT_EQ(ipsuu, 0);
    EXPECT_EQ(std::vector<float>({ipx(0), ipy(0), ipx(1), ipy(1)}), std::vector<float>({10000, 20000, 30000, 40000}));
}

// The conversion screen: its multi-point pick left by the close box at the second prompt, its
// reference pick by 戻る at the first; each time the CAD is back at its command prompt.
TEST_F(LeavingAPick, TheConversionScreen) {
    DrawingScreen().変換ボタン_Click();
    座標変換& screen = forms::Get<座標変換>();
    ASSERT_TRUE(Hosted(screen.Pellix1()));
    ASSERT_TRUE(Hosted(screen.Pellix2()));
    screen.変換種類(2).SetValue(true);
    PickInCadThen({{10000, 20000}}, [&] { CloseBox(screen); });
    WaitForTheEnd([&] { return !screen.PickPending(); });
    EXPECT_FALSE(screen.Visible());
    EXPECT_FALSE(screen.Pellix1().Enabled());
    EXPECT_EQ(screen.マス.TextMatrix(1, 1), "10");
    EXPECT_EQ(screen.マス.TextMatrix(2, 1), "");

    DrawingScreen().変換ボタン_Click();
    screen.グリッド.SetRow(1);
    screen.グリッド.SetCol(3);
    screen.グリッド_Click();
    screen.読込_Click();
    PickInCadThen({}, [&] { screen.戻ボタン_Click(); });
    WaitForTheEnd([&] { return !screen.PickPending(); });
    EXPECT_FALSE(screen.Visible());
    EXPECT_FALSE(screen.Pellix2().Enabled());
    EXPECT_EQ(screen.グリッド.TextMatrix(1, 3), "");
}

TEST_F(LeavingAPick, TheExistingGroundEditor) {
    PickAcrossTheCloseBox<現況横断図>(
        []() -> 現況横断図& {
            forms::Get<面積計算選択画面>().選択ボタン_Click(0);
            return forms::Get<現況横断図>();
        },
        genkyouhidari);
}

TEST_F(LeavingAPick, TheCutFillLineEditor) {
    PickAcrossTheCloseBox<切盛ライン設定画面>(
        []() -> 切盛ライン設定画面& {
            forms::Get<面積計算選択画面>().選択ボタン_Click(1);
            return forms::Get<切盛ライン設定画面>();
        },
        kirimorihidari);
}

} // namespace
} // namespace workflow_test
