// The cross-section drawing data screen: what it shows, how its grid is edited, its sheet
// columns K-P, and its place between the drawing screen and the drawings.
#include "section_fixture.h"
#include "vantor/model/bus/alignment_tables.h"
#include "vantor/model/bus/document_state.h"
#include "vantor/model/bus/station_tables.h"
#include "vantor/model/sheet_names.h"
#include "vantor/sections/横断図作図データー設定画面.h"
#include "vantor/sections/計画ブロック修正画面.h"

#include <QWidget>

namespace {

using namespace 縦断bus;

class DataScreen : public section_test::SectionTest {
protected:
    static 横断図作図データー設定画面& Screen() { return forms::Get<横断図作図データー設定画面>(); }
    static void Click(int row, int column) {
        Screen().グリッド.SetRow(row);
        Screen().グリッド.SetCol(column);
        Screen().グリッド_Click();
    }
};

TEST_F(DataScreen, ExecuteFillsTheStandardSectionAndShowsTheGrid) {
    SetRoad({{0, 10, 10}, {250.5f, 10, 10}, {kEmpty, 10, 10}});
    ipkeisanflg = 1;
    ipsuu = 1;
    ecsokuten(1) = 250500;
    作図画面& drawing = DrawingScreen();
    drawing.右幅.SetText("3.5");
    drawing.横断図データー設定画面表示ボタン_Click();
    ASSERT_TRUE(forms::IsLoaded<横断図作図データー設定画面>());
    auto& grid = Screen().グリッド;
    EXPECT_TRUE(Screen().Visible());
    EXPECT_EQ(Screen().Caption(), "横断図作図データ設定画面");
    EXPECT_EQ(grid.Rows(), 4);
    EXPECT_EQ(grid.TextMatrix(0, 1), " ﾌﾞﾛｯｸ名(現況)");
    EXPECT_EQ(grid.TextMatrix(2, 0), "E.C 1 (250.5)");
    EXPECT_EQ(yokosakuzudata(2, 0), "250.5");
    EXPECT_EQ(grid.TextMatrix(3, 0), ""); // a station not yet typed is empty in the grid only
    EXPECT_EQ(yokosakuzudata(3, 0), "99999");
    EXPECT_EQ(grid.TextMatrix(1, 5), "3.5");
    EXPECT_EQ(grid.TextMatrix(1, 1), "GEN1");
    EXPECT_EQ(Screen().Toolbar1.Buttons("作図").ToolTipText(), "すべての測点の横断図を作図します。");
}

// What the screen shows is what its 作図 and 転送 use: 実　　行 refills a screen that is open,
// and its close box is 戻る, so the next opening shows the tables afresh.
TEST_F(DataScreen, TheGridShowsTheValuesInForceAfterExecuteAndTheCloseBox) {
    SetRoad({{0, 10, 10}, {20, 10, 10}});
    作図画面& drawing = DrawingScreen();
    drawing.右幅.SetText("3.5");
    drawing.横断図データー設定画面表示ボタン_Click();
    Click(1, 5); // an editor left open over the width
    drawing.右幅.SetText("4.25");
    drawing.横断図データー設定画面表示ボタン_Click();
    EXPECT_EQ(Screen().グリッド.TextMatrix(1, 5), "4.25");
    EXPECT_EQ(Screen().グリッド.TextMatrix(2, 5), "4.25");
    if (Screen().Text1.Visible()) {
        EXPECT_EQ(Screen().Text1.Text(), "4.25");
    }

    drawing.Hide();
    Screen().Window()->close();
    EXPECT_FALSE(forms::IsLoaded<横断図作図データー設定画面>());
    EXPECT_TRUE(drawing.Visible());
    drawing.右幅.SetText("5");
    yokosakuzudata(1, 1) = "GEN2"; // changed elsewhere meanwhile
    drawing.横断図データー設定画面表示ボタン_Click();
    EXPECT_EQ(Screen().グリッド.TextMatrix(1, 5), "5");
    EXPECT_EQ(Screen().グリッド.TextMatrix(1, 1), "GEN2");
}

TEST_F(DataScreen, EditedTextsAreStoredAsTyped) {
    SetRoad({{0, 10, 10}, {20, 10, 10}});
    Screen();
    Click(2, 0); // the station column edits the existing-ground name
    EXPECT_EQ(Screen().グリッド.Col(), 1);
    EXPECT_TRUE(Screen().Text1.Visible());
    Screen().Text1.SetText(" GEN2 ");
    Screen().Text1_LostFocus();
    EXPECT_EQ(yokosakuzudata(2, 1), " GEN2 ");
    Click(1, 4);
    Screen().Text1.SetText("");
    Screen().Text1_LostFocus();
    EXPECT_EQ(yokosakuzudata(1, 4), "");
}

// A station not yet typed: the drawing screen's 実行 and this screen's loading both keep its
// number text 99999 in the table, whichever wrote last, and the grid alone shows it empty;
// 読込 and 転送 leave it so.
TEST_F(DataScreen, AStationNotYetTypedIsEmptyInTheGridOnly) {
    SetRoad({{0, 10, 10}, {kEmpty, 10, 10}});
    OpenDocument();
    const struct {
        const char* step;
        void (*run)();
    } steps[] = {
        {"load", [] { Screen(); }},
        {"実行", [] { DrawingScreen().横断図データー設定画面表示ボタン_Click(); }},
        {"転送", [] { Screen().Toolbar1_ButtonClick(Screen().Toolbar1.Buttons("転送")); }},
        {"読込", [] { Screen().Toolbar1_ButtonClick(Screen().Toolbar1.Buttons("読込")); }},
        {"load again",
         [] {
             Screen().Unload();
             Screen();
         }},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.step);
        step.run();
        EXPECT_EQ(yokosakuzudata(1, 0), "0");
        EXPECT_EQ(yokosakuzudata(2, 0), "99999");
        EXPECT_EQ(Screen().グリッド.TextMatrix(1, 0), "0");
        EXPECT_EQ(Screen().グリッド.TextMatrix(2, 0), "");
        EXPECT_EQ(Screen().グリッド.TextMatrix(2, 1), "GEN1");
    }
}

TEST_F(DataScreen, SheetColumnsKToPOutAndIn) {
    SetRoad({{0, 10, 10}, {20, 10, 10}});
    OpenDocument();
    Sheet(kCrossSlopeSheet)->Cells(5, 1)->SetValue(xl::CellValue(std::string("keep")));
    yokosakuzudata(2, 2) = "KEI2";
    Screen().Toolbar1_ButtonClick(Screen().Toolbar1.Buttons("転送"));
    EXPECT_EQ(Cell(kCrossSlopeSheet, 6, 12), "KEI2");
    EXPECT_EQ(Cell(kCrossSlopeSheet, 5, 11), "GEN1");
    EXPECT_EQ(Cell(kCrossSlopeSheet, 5, 16), "2");
    EXPECT_EQ(Cell(kCrossSlopeSheet, 5, 1), "keep");
    Sheet(kCrossSlopeSheet)->Cells(5, 12)->SetValue(xl::CellValue(std::string("KEI9")));
    Screen().Toolbar1_ButtonClick(Screen().Toolbar1.Buttons("読込"));
    EXPECT_EQ(yokosakuzudata(1, 2), "KEI9");
    EXPECT_EQ(Screen().グリッド.TextMatrix(1, 2), "KEI9");
    EXPECT_EQ(Screen().グリッド.TextMatrix(1, 0), "0");
}

TEST_F(DataScreen, TrialViewAndBackLeaveTheScreen) {
    SetRoad({{0, 10, 10}});
    DrawingScreen().Show();
    DrawingScreen().断面作図ボタン.OnClick(); // opened from the drawing screen, which hides
    EXPECT_FALSE(DrawingScreen().Visible());
    Screen().Toolbar1_ButtonClick(Screen().Toolbar1.Buttons("仮表示"));
    EXPECT_FALSE(forms::IsLoaded<横断図作図データー設定画面>());
    EXPECT_TRUE(forms::Get<計画ブロック修正画面>().Visible());
    forms::Get<計画ブロック修正画面>().戻るボタン_Click();
    EXPECT_FALSE(forms::Get<計画ブロック修正画面>().Visible());
    EXPECT_TRUE(Screen().Visible());
    Screen().Toolbar1_ButtonClick(Screen().Toolbar1.Buttons("戻る"));
    EXPECT_FALSE(forms::IsLoaded<横断図作図データー設定画面>());
    EXPECT_TRUE(DrawingScreen().Visible());
}

} // namespace
