// The band layout screen: what it shows, what 設定終了 stores, and the sizes it refuses.
#include "profile_sheet_fixture.h"
#include "vantor/drawing/作図レイアウト画面.h"
#include "vantor/model/bus/drawing_tables.h"

#include <QWidget>

#include <algorithm>

namespace {

using namespace 縦断bus;

class LayoutScreen : public profile_sheet_test::ProfileSheetTest {
protected:
    // The drawing screen's defaults, then the layout screen opened by its 枠設定.
    作図レイアウト画面& Open() {
        Screen().設定ボタン.OnClick();
        return forms::Get<作図レイアウト画面>();
    }
    static bool Loaded() { return forms::IsLoaded<作図レイアウト画面>(); }
};

TEST_F(LayoutScreen, ShowsEveryBandWithItsHeightAndTheSizes) {
    作図レイアウト画面& layout = Open();
    EXPECT_TRUE(layout.Visible());
    EXPECT_EQ(layout.Caption(), "作図ﾚｲｱｳﾄ画面");
    const char* heights[] = {"2", "1.5", "1.5", "2", "1.5", "2", "2", "2", "2", "2.5", "2.5"};
    const char* names[] = {"地盤高", "土　被", "管底高", "掘削深", "追加距離", "単　距", "", "", "", "", ""};
    for (int r = 0; r <= 10; ++r) {
        EXPECT_EQ(layout.項目幅(r).Text(), heights[r]) << r;
        EXPECT_EQ(layout.帯名(r).Caption(), names[r]) << r;
    }
    EXPECT_EQ(layout.文字サイズ(0).Text(), "5");
    EXPECT_EQ(layout.文字サイズ(1).Text(), "4");
    EXPECT_EQ(layout.大きさタイトル.Text(), "30");
}

// 設定終了 without typing keeps every band, the last five included.
TEST_F(LayoutScreen, FinishingWithoutTypingKeepsTheLayout) {
    作図レイアウト画面& layout = Open();
    const auto before = obitakasa;
    layout.ボタン_Click();
    EXPECT_EQ(obitakasa, before);
    EXPECT_EQ(mojisaizu, 5);
    EXPECT_EQ(suujisaizu, 4);
    EXPECT_EQ(taitorusaizu, 30);
    EXPECT_FALSE(Loaded());
    EXPECT_TRUE(Messages().empty());
}

// The close box is a cancel: nothing typed is stored, and the screen opens again showing the
// layout in force.
TEST_F(LayoutScreen, TheCloseBoxStoresNothingAndTheNextOpeningShowsTheLayoutInForce) {
    作図レイアウト画面& layout = Open();
    layout.項目幅(0).SetText("7");
    layout.文字サイズ(0).SetText("9");
    layout.Window()->close();
    EXPECT_FALSE(Loaded());
    EXPECT_EQ(obitakasa(2), 2.0f);
    EXPECT_EQ(mojisaizu, 5);
    作図レイアウト画面& again = Open();
    EXPECT_EQ(again.項目幅(0).Text(), "2");
    EXPECT_EQ(again.文字サイズ(0).Text(), "5");
}

// Heights as typed (0 allowed, an empty box is 0); sizes rounded half to even.
TEST_F(LayoutScreen, StoresHeightsAndRoundedSizes) {
    作図レイアウト画面& layout = Open();
    layout.項目幅(0).SetText("3.25");
    layout.項目幅(6).SetText("0");
    layout.項目幅(10).SetText("");
    layout.文字サイズ(0).SetText("4.5");
    layout.文字サイズ(1).SetText("5.5");
    layout.大きさタイトル.SetText("32767");
    layout.ボタン_Click();
    EXPECT_EQ(obitakasa(2), 3.25f);
    EXPECT_EQ(obitakasa(8), 0);
    EXPECT_EQ(obitakasa(12), 0);
    EXPECT_EQ(obitakasa(3), 1.5f);
    EXPECT_EQ(mojisaizu, 4);
    EXPECT_EQ(suujisaizu, 6);
    EXPECT_EQ(taitorusaizu, 32767);
    // Loaded afresh at the next show, with the stored values.
    作図レイアウト画面& again = Open();
    EXPECT_EQ(again.項目幅(0).Text(), "3.25");
    EXPECT_EQ(again.文字サイズ(1).Text(), "6");
}

// A size the CAD would refuse as a text height, or one past the 16-bit range, and a negative
// band are refused: nothing is stored and the screen stays for a correction.
TEST_F(LayoutScreen, RefusesSizesOutsideOneTo32767AndNegativeBands) {
    作図レイアウト画面& layout = Open();
    const auto before = obitakasa;
    struct Case {
        int box; // 0, 1: 文字サイズ; 2: 大きさタイトル; 3: a band row
        const char* text;
        const std::string& refusal;
    };
    for (const Case& c : {Case{0, "0", kTextSizeRefusal},
                          {1, "-3", kTextSizeRefusal},
                          {2, "32768", kTextSizeRefusal},
                          {0, "abc", kTextSizeRefusal},
                          {1, "0.4", kTextSizeRefusal},
                          {3, "-1", kBandHeightRefusal}}) {
        forms::script::Reset();
        forms::TextBox& box = c.box == 3   ? layout.項目幅(4)
                              : c.box == 2 ? layout.大きさタイトル
                                           : layout.文字サイズ(c.box);
        const std::string kept = box.Text();
        box.SetText(c.text);
        layout.ボタン_Click();
        EXPECT_EQ(Messages(), std::vector<std::string>{c.refusal}) << c.text;
        EXPECT_TRUE(Loaded());
        EXPECT_EQ(obitakasa, before);
        EXPECT_EQ(mojisaizu, 5);
        EXPECT_EQ(suujisaizu, 4);
        EXPECT_EQ(taitorusaizu, 30);
        box.SetText(kept);
    }
}

// The next sheet uses the stored layout: band titles of 6 mm in a gradient band of 3 cm.
TEST_F(LayoutScreen, TheNextSheetUsesTheLayout) {
    SetRows({{0, 10.25f, 10, kEmpty}, {8, 11, 11, 8}, {16, 9.5f, 10, kEmpty}});
    作図レイアウト画面& layout = Open();
    layout.項目幅(0).SetText("3");
    layout.文字サイズ(0).SetText("6");
    layout.ボタン_Click();
    const auto sent = Press(forms::Get<作図画面>());
    const auto title = std::find(sent.begin(), sent.end(), "勾\r");
    ASSERT_GE(title - sent.begin(), 3);
    // Band 2 from -65 to -95: middle -80, less half a 6 mm character.
    EXPECT_EQ(title[-3], "-41,-83\r");
    EXPECT_EQ(title[-2], "6\r");
    ExpectCadIdleAndClean();
}

} // namespace
