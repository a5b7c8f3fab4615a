// The shoulder offset screen: opened from the drawing screen and back; the grid over the
// table; the widths keeping to their stations when the opening recomputes the station list;
// in-cell editing; 読込 and 転送 of 路肩ｼｰﾄ; the pen colour screen and the boxes' colours.
#include "shoulder_fixture.h"
#include "vantor/drawing/作図画面.h"
#include "vantor/model/bus/alignment_tables.h"
#include "vantor/model/bus/document_state.h"
#include "vantor/model/bus/profile_tables.h"
#include "vantor/model/bus/station_tables.h"
#include "vantor/shoulder3d/shoulder/pen_colours.h"
#include "vantor/shoulder3d/shoulder/色設定画面.h"
#include "vantor/shoulder3d/shoulder/路肩作図設定画面.h"

namespace {

using namespace 縦断bus;

class ShoulderScreen : public shoulder_test::ShoulderTest {
protected:
    static 路肩作図設定画面& Screen() { return forms::Get<路肩作図設定画面>(); }

    static void Type(int row, int column, const std::string& typed) {
        路肩作図設定画面& s = Screen();
        s.グリッド.SetRow(row);
        s.グリッド.SetCol(column);
        s.グリッド_Click();
        s.Text1.SetText(typed);
        s.Text1_LostFocus();
    }
    static std::vector<std::string> Column(int column) {
        std::vector<std::string> cells;
        for (int r = 1; r < Screen().グリッド.Rows(); ++r) cells.push_back(Screen().グリッド.TextMatrix(r, column));
        return cells;
    }
};

TEST_F(ShoulderScreen, OpensFromTheDrawingScreenAndGoesBack) {
    ketasuu = 2;
    rokatadata(2, 3) = 2.345f;
    rokatadata(4, 9) = 7;
    作図画面& drawing = forms::Get<作図画面>();
    drawing.Show();
    forms::script::Reset();
    drawing.路肩法尻.OnClick();

    路肩作図設定画面& s = Screen();
    EXPECT_TRUE(s.Visible());
    EXPECT_FALSE(drawing.Visible());
    EXPECT_EQ(s.Caption(), "路肩作図設定画面");
    EXPECT_TRUE(Messages().empty()); // a New workbook: no recomputation
    ASSERT_EQ(s.グリッド.Rows(), 6);
    ASSERT_EQ(s.グリッド.Cols(), 9);
    const char* headers[] = {" L４(左)", " L３(左)", " L２(左)", " L１(左)", " 測 　点",
                             " L１(右)", " L２(右)", " L３(右)", " L４(右)"};
    for (int c = 0; c < 9; ++c) EXPECT_EQ(s.グリッド.TextMatrix(0, c), headers[c]);
    EXPECT_EQ(s.グリッド.ColWidth(4), 1370);
    EXPECT_EQ(s.グリッド.ColWidth(8), 1000);
    EXPECT_EQ(Column(4), (std::vector<std::string>{"0", "40", "80", "120", "160"}));
    EXPECT_EQ(Column(2), (std::vector<std::string>{"", "2.35", "", "", ""}));
    EXPECT_EQ(Column(8), (std::vector<std::string>{"", "", "", "7", ""}));
    EXPECT_EQ(rokatadata(3, 5), 80);
    EXPECT_EQ(s.LINEチェック(0).Caption(), "Ｌine 1");
    EXPECT_EQ(s.LINEチェック(7).Caption(), "Ｌine 4");
    for (int k = 0; k < 8; ++k) EXPECT_EQ(s.LINEチェック(k).Value(), forms::vbUnchecked);
    // The boxes mirror the grid: L4..L1 left over their columns, the right ones after the station.
    EXPECT_LT(s.LINEチェック(3).Left(), s.LINEチェック(0).Left());
    EXPECT_LT(s.LINEチェック(0).Left(), s.LINEチェック(4).Left());
    EXPECT_LT(s.LINEチェック(4).Left(), s.LINEチェック(7).Left());

    s.LINEチェック(2).SetValue(forms::vbChecked);
    s.Toolbar1_ButtonClick(s.Toolbar1.Buttons("戻る"));
    EXPECT_TRUE(drawing.Visible());
    EXPECT_FALSE(forms::IsLoaded<路肩作図設定画面>());
    EXPECT_EQ(Screen().LINEチェック(2).Value(), forms::vbUnchecked); // a new screen
}

// An Open computed the alignment: opening the screen rebuilds the station list (BC, middle,
// EC, end added) and the widths stay with the stations they were typed for.
TEST_F(ShoulderScreen, WidthsKeepToTheirStationsWhenTheListIsRebuilt) {
    OpenDocument();
    ipkeisanflg = 1;
    SetProfile({{0, 10}, {40, 10.8f}, {80, 11.6f}, {150, 13}});
    tatedata(1, 3) = 10, tatedata(4, 3) = 13;
    rokatadata(2, 4) = 2.5f; // L1 left at 40 m
    rokatadata(3, 6) = 1.5f; // L1 right at 80 m
    rokatadata(4, 1) = 6;    // L4 left at 150 m
    rokatadata(5, 4) = 9;    // a row past the list

    路肩作図設定画面& s = Screen();
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_NE(Messages()[0].find("測点が変わりました"), std::string::npos) << Messages()[0];
    EXPECT_EQ(Messages()[0].find("なくなりました"), std::string::npos);
    ASSERT_EQ(sokutensuu, 8);
    ASSERT_EQ(s.グリッド.Rows(), 9);
    EXPECT_EQ(Column(4),
              (std::vector<std::string>{"0", "40", "B.C 1 (50)", "80", "89.3", "E.C 1 (128.54)", "150", "178.54"}));
    EXPECT_EQ(Column(3), (std::vector<std::string>{"", "2.5", "", "", "", "", "", ""}));
    EXPECT_EQ(Column(5), (std::vector<std::string>{"", "", "", "1.5", "", "", "", ""}));
    EXPECT_EQ(Column(0), (std::vector<std::string>{"", "", "", "", "", "", "6", ""}));
    for (int i = 1; i <= sokutensuu; ++i) {
        EXPECT_EQ(rokatadata(i, 5), tatedata(i, 1)) << i;
        EXPECT_EQ(heimensokutensuu, sokutensuu);
    }

    // Opened again over the same list: nothing moves, nothing is told.
    s.Toolbar1_ButtonClick(s.Toolbar1.Buttons("戻る"));
    forms::script::Reset();
    Screen();
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(rokatadata(2, 4), 2.5f);
}

// The rebuild at the opening adds the regular stations the loaded drawing screen asks for.
TEST_F(ShoulderScreen, RebuildTakesTheDrawingScreensRegularStations) {
    OpenDocument();
    ipkeisanflg = 1;
    SetProfile({{0, 10}, {150, 13}});
    作図画面& drawing = forms::Get<作図画面>();
    drawing.基準チェックボタン.SetValue(forms::vbChecked);
    drawing.測点間隔.SetText("60");
    Screen();
    EXPECT_EQ(Column(4),
              (std::vector<std::string>{"0", "B.C 1 (50)", "60", "89.3", "120", "E.C 1 (128.54)", "150", "178.54"}));
}

// 読込 after the opening rebuilt the station list: the sheet's rows go to their stations by
// station value, not by row, and a row whose station is not listed is named.
TEST_F(ShoulderScreen, ReadingPairsSheetRowsWithStationsByValue) {
    OpenDocument();
    ipkeisanflg = 1;
    SetProfile({{0, 10}, {40, 10.8f}, {80, 11.6f}, {150, 13}});
    tatedata(1, 3) = 10, tatedata(4, 3) = 13;
    const double saved[] = {0, 40, 80, 150, 120}; // as saved with an older list
    for (int r = 0; r < 5; ++r) Sheet(kShoulderSheet)->Cells(5 + r, 5)->SetValue(saved[r]);
    Sheet(kShoulderSheet)->Cells(8, 4)->SetValue(2.5); // L1 left at 150 m
    Sheet(kShoulderSheet)->Cells(9, 4)->SetValue(1.0); // L1 left at 120 m

    路肩作図設定画面& s = Screen();
    ASSERT_EQ(sokutensuu, 8); // 0, 40, BC 50, 80, 89.3, EC 128.54, 150, 178.54
    forms::script::Reset();
    s.Toolbar1_ButtonClick(s.Toolbar1.Buttons("読込"));
    EXPECT_EQ(Column(3), (std::vector<std::string>{"", "", "", "", "", "", "2.5", ""}));
    EXPECT_EQ(rokatadata(7, 4), 2.5f);
    EXPECT_EQ(rokatadata(7, 5), 150);
    EXPECT_EQ(Column(4)[2], "B.C 1 (50)");
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_NE(Messages()[0].find("9行目（120）"), std::string::npos) << Messages()[0];
}

TEST_F(ShoulderScreen, InCellEditing) {
    ipsuu = 1; // the one-curve plan: BC at 50 m, EC at 128.54 m
    Screen();
    Type(2, 3, "2.5");
    EXPECT_EQ(rokatadata(2, 4), 2.5f);
    Type(3, 8, "");
    EXPECT_EQ(rokatadata(3, 9), 0);
    Type(4, 4, "B.C 1");
    EXPECT_FLOAT_EQ(rokatadata(4, 5), 50);
    EXPECT_TRUE(Messages().empty());

    // A curve point or a text in a width column is refused and the width stays.
    Type(2, 3, "E.C 1");
    Type(2, 3, "abc");
    EXPECT_EQ(rokatadata(2, 4), 2.5f);
    EXPECT_EQ(Screen().グリッド.TextMatrix(2, 3), "2.5");
    ASSERT_EQ(Messages().size(), 2u);
    // A row past the list is stored on the last station.
    Screen().グリッド.SetRows(8);
    Type(7, 5, "1.25");
    EXPECT_EQ(rokatadata(5, 6), 1.25f);
}

TEST_F(ShoulderScreen, ReadsAndWritesTheShoulderSheet) {
    OpenDocument();
    rokatadata(1, 4) = 2.5f;
    rokatadata(3, 9) = 4;
    路肩作図設定画面& s = Screen();
    s.Toolbar1_ButtonClick(s.Toolbar1.Buttons("転送"));
    EXPECT_EQ(Cell(kShoulderSheet, 5, 4), "2.5");
    EXPECT_EQ(Cell(kShoulderSheet, 7, 9), "4");
    EXPECT_EQ(Cell(kShoulderSheet, 6, 5), "40");

    Sheet(kShoulderSheet)->Cells(6, 2)->SetValue(xl::CellValue(std::string("1.75")));
    Sheet(kShoulderSheet)->Cells(7, 9)->SetValue(xl::CellValue(std::string("")));
    s.Toolbar1_ButtonClick(s.Toolbar1.Buttons("読込"));
    EXPECT_EQ(rokatadata(2, 2), 1.75f);
    EXPECT_EQ(rokatadata(3, 9), 0);
    EXPECT_EQ(s.グリッド.TextMatrix(2, 1), "1.75");
    EXPECT_EQ(s.グリッド.TextMatrix(3, 8), "");

    // A cell without a number: told, and the table stays whole.
    Sheet(kShoulderSheet)->Cells(5, 4)->SetValue(xl::CellValue(std::string("9")));
    Sheet(kShoulderSheet)->Cells(8, 1)->SetValue(xl::CellValue(std::string("No.3")));
    forms::script::Reset();
    s.Toolbar1_ButtonClick(s.Toolbar1.Buttons("読込"));
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_NE(Messages()[0].find("読み込みませんでした"), std::string::npos);
    EXPECT_EQ(rokatadata(1, 4), 2.5f);
}

TEST_F(ShoulderScreen, PenColoursShowOnTheBoxes) {
    路肩作図設定画面& s = Screen();
    s.Show();
    s.Toolbar1_ButtonClick(s.Toolbar1.Buttons("ﾍﾟﾝ色"));
    色設定画面& colours = forms::Get<色設定画面>();
    EXPECT_TRUE(colours.Visible());
    EXPECT_TRUE(s.Visible());
    EXPECT_EQ(colours.Caption(), "色設定画面");
    ASSERT_EQ(colours.タブ図面.TabCount(), 8);
    const char* tabs[] = {"左L1", "左L2", "左L3", "左L4", "右L1", "右L2", "右L3", "右L4"};
    for (int t = 1; t <= 8; ++t) EXPECT_EQ(colours.タブ図面.TabCaption(t), tabs[t - 1]);
    const char* captions[] = {" layer", "赤", "黄", "緑", "水色", "青", "ﾏｾﾞﾝﾀ", "黒"};
    for (int c = 0; c < 8; ++c) EXPECT_EQ(colours.OC(5 * 8 + c).Caption(), captions[c]);
    for (int line = 0; line < 8; ++line) EXPECT_EQ(colours.CadColour(line), "Bylayer");

    colours.OC(0 * 8 + 1).SetValue(true); // L1 left red
    colours.OC(3 * 8 + 3).SetValue(true); // L4 left green
    colours.OC(5 * 8 + 7).SetValue(true); // L2 right "black"
    EXPECT_EQ(s.LINEチェック(0).ForeColor(), forms::RGB(255, 0, 0));
    EXPECT_EQ(s.LINEチェック(3).ForeColor(), forms::RGB(0, 192, 0));
    EXPECT_EQ(s.LINEチェック(5).ForeColor(), forms::RGB(0, 0, 0));
    EXPECT_EQ(colours.CadColour(5), "White");
    colours.OC(5 * 8 + 0).SetValue(true); // one option per page
    EXPECT_FALSE(colours.OC(5 * 8 + 7).Value());
    EXPECT_EQ(colours.CadColour(5), "Bylayer");
    EXPECT_EQ(colours.CadColour(0), "Red");

    colours.Command1_Click();
    EXPECT_FALSE(colours.Visible());
    // Opened again after its 戻る, the screen shows the colours still chosen.
    s.Toolbar1_ButtonClick(s.Toolbar1.Buttons("戻る"));
    EXPECT_EQ(Screen().LINEチェック(0).ForeColor(), forms::RGB(255, 0, 0));
    EXPECT_EQ(Screen().LINEチェック(3).ForeColor(), forms::RGB(0, 192, 0));
    colours.タブ図面.SetSelectedItem(4);
    EXPECT_EQ(colours.タブ図面.SelectedItem(), 4);
}

} // namespace
