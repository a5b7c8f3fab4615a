// The drawing screen: its defaults and default datum, the settings handlers, the buttons
// that lead on, the transfer of station coordinates and the plan command end to end.
#include "drawing_fixture.h"
#include "tests/vantor/geometry/alignment/alignment_fixture.h"
#include "vantor/geometry/alignment/plan_alignment.h"
#include "vantor/drawing/作図画面.h"
#include "vantor/model/bus/alignment_tables.h"
#include "vantor/model/bus/drawing_tables.h"
#include "vantor/model/bus/profile_tables.h"
#include "vantor/model/bus/station_tables.h"
#include "vantor/model/drawing_settings.h"
#include "vantor/model/sheet_messages.h"
#include "vantor/sections/横断勾配入力画面.h"

#include <QWidget>

namespace {

using namespace 縦断bus;

constexpr char kNoPlanPositions[] = "測点の平面座標が今の測点の並びで計算されていません。"
                                    "「ｾﾝﾀｰ・測点作図」を押して平面線形を計算してから座標値を転送してください。";

class DrawingScreen : public drawing_test::DrawingTest {
protected:
    static 作図画面& Screen() { return forms::Get<作図画面>(); }
    // The page in front of its siblings.
    static bool InFront(const forms::Control& page) {
        return page.Widget()->parentWidget()->children().last() == page.Widget();
    }
};

TEST_F(DrawingScreen, DefaultsAfterLoad) {
    SetProfile({{0, 23.45f}, {20, 30}, {40, 41}});
    作図画面& s = Screen();
    EXPECT_EQ(s.Caption(), "作図");
    const std::pair<forms::TextBox*, const char*> boxes[] = {
        {&s.SH, "200"},       {&s.SV, "100"},      {&s.DL, "20"},    {&s.用紙高, "56"}, {&s.用紙幅, "81"},
        {&s.段数, "3"},       {&s.測点Y, "15"},    {&s.測点X, "45"}, {&s.計画高, "10"}, {&s.計画幅, "10"},
        {&s.左幅, "3"},       {&s.左勾配, "2"},    {&s.右幅, "3"},   {&s.右勾配, "2"},  {&s.縮尺, "500"},
        {&s.文字サイズ, "2"}, {&s.文字位置, "20"}, {&s.径, "0.2"},   {&s.測点, ""}};
    for (const auto& [box, text] : boxes) EXPECT_EQ(box->Text(), text);
    EXPECT_EQ(s.測点間隔.ListCount(), 3);
    EXPECT_EQ(s.測点間隔.List(2), "60");
    EXPECT_EQ(s.測点間隔.Text(), "");
    EXPECT_FALSE(s.測点間隔.Visible());
    EXPECT_FALSE(s.作図平面.Enabled());
    EXPECT_FALSE(s.測点プロットボタン.Enabled());
    EXPECT_FALSE(s.D3ボタン.Enabled());
    EXPECT_FALSE(s.窓.Visible());
    EXPECT_FALSE(s.Frame11.Visible());
    EXPECT_TRUE(s.Frame14.Visible());
    EXPECT_EQ(s.横断図データー設定画面表示ボタン.Caption(), "実　　行");
    EXPECT_EQ(taitorusaizu, 30);
    EXPECT_EQ(suujisaizu, 4);
    EXPECT_EQ(obitakasa(11), 2.5f);
    EXPECT_EQ(obimoji(2, 2), "  ");
    EXPECT_EQ(obimoji(11, 1), "拡");
    EXPECT_EQ(saishoudaka, 23.45f);
    EXPECT_EQ(saidaidaka, 41.0f);
    EXPECT_EQ(dlchi, 20.0f);
}

TEST_F(DrawingScreen, TabsBringTheirPageToTheFront) {
    作図画面& s = Screen();
    ASSERT_EQ(s.タブ図面.TabCount(), 3);
    EXPECT_EQ(s.タブ図面.TabCaption(1), "縦断図");
    EXPECT_EQ(s.タブ図面.TabCaption(2), "横断図");
    EXPECT_EQ(s.タブ図面.TabCaption(3), "平面図");
    EXPECT_TRUE(InFront(s.絵(0)));
    EXPECT_EQ(s.絵(2).Top(), s.タブ図面.ClientTop());
    EXPECT_EQ(s.絵(2).Width(), s.タブ図面.ClientWidth());
    for (int tab : {3, 2, 1}) {
        s.タブ図面.SetSelectedItem(tab);
        EXPECT_TRUE(InFront(s.絵(tab - 1))) << tab;
    }
}

// The lowest planned height of any station, the last one included; empty heights do not count.
TEST_F(DrawingScreen, DefaultDatumFromTheLowestPlannedHeight) {
    const struct {
        std::initializer_list<std::pair<float, float>> profile;
        const char* datum;
    } cases[] = {
        {{{0, 23.45f}, {20, 25}}, "20"},
        {{{0, 7.5f}, {20, 9}}, "0"},
        {{{0, -3}, {20, 5}}, "-10"},
        {{{0, 30}, {20, 31}, {40, 12.5f}}, "10"}, // at the last station
        {{{0, kEmpty}, {20, 31}, {40, kEmpty}}, "20"},
        {{}, "0"},
    };
    for (const auto& c : cases) {
        SetProfile(c.profile);
        Screen().shokidl();
        EXPECT_EQ(Screen().DL.Text(), c.datum);
        EXPECT_EQ(dlchi, static_cast<float>(std::atof(c.datum)));
    }
    SetProfile({{0, 30}, {20, kEmpty}, {40, 12.5f}});
    Screen().shokidl();
    EXPECT_EQ(saishoudaka, 12.5f);
    EXPECT_EQ(saidaidaka, 30.0f);
}

TEST_F(DrawingScreen, PaperHeightGivesTheTiers) {
    作図画面& s = Screen();
    s.測点Y.SetText("10");
    EXPECT_EQ(s.段数.Text(), "3"); // the section height alone does not recompute
    s.用紙高.SetText("50");
    EXPECT_EQ(s.段数.Text(), "2");
    s.測点Y.SetText("");
    s.用紙高.SetText("90");
    EXPECT_EQ(s.段数.Text(), "2"); // no section height: left as it was
    s.測点Y.SetText("15m");
    s.用紙高.SetText("56");
    EXPECT_EQ(s.段数.Text(), "1");
}

// The drawings read the plan and cross-section boxes only through the drawing settings: they
// hold the screen's start-up values before it loads and follow every box typed in after.
TEST_F(DrawingScreen, EveryPlanAndSectionBoxIsKeptInTheDrawingSettings) {
    EXPECT_EQ(sectionSettings.tiers, 3);
    EXPECT_EQ(planSettings.circleSize, 0.2);
    作図画面& s = Screen();
    const std::pair<forms::TextBox*, const double*> boxes[] = {{&s.縮尺, &planSettings.scale},
                                                               {&s.文字サイズ, &planSettings.textSize},
                                                               {&s.文字位置, &planSettings.labelOffset},
                                                               {&s.径, &planSettings.circleSize},
                                                               {&s.段数, &sectionSettings.tiers},
                                                               {&s.測点X, &sectionSettings.cellHalfWidth},
                                                               {&s.測点Y, &sectionSettings.cellHalfHeight},
                                                               {&s.計画幅, &sectionSettings.plannedHalfWidth},
                                                               {&s.計画高, &sectionSettings.plannedHalfHeight}};
    const double start[] = {500, 2, 20, 0.2, 3, 45, 15, 10, 10};
    for (int k = 0; k < 9; ++k) {
        auto [box, value] = boxes[k];
        EXPECT_EQ(*value, start[k]) << k;
        box->SetText("7.5m");
        EXPECT_EQ(*value, 7.5) << k;
        box->SetText("");
        EXPECT_EQ(*value, 0) << k;
    }
    s.測点Y.SetText("10");
    s.用紙高.SetText("50"); // the tiers follow the paper height
    EXPECT_EQ(sectionSettings.sheetHeight, 50);
    EXPECT_EQ(sectionSettings.tiers, 2);
}

TEST_F(DrawingScreen, SettingsThatShowAndHide) {
    作図画面& s = Screen();
    s.舗装厚(1).SetText("15");
    s.舗装(1).SetValue(forms::vbChecked);
    s.舗装(3).SetValue(forms::vbChecked);
    EXPECT_TRUE(s.舗装厚(1).Visible());
    EXPECT_TRUE(s.Label5(1).Visible());
    EXPECT_EQ(hosousuu, 2);
    s.舗装(1).SetValue(forms::vbUnchecked);
    EXPECT_FALSE(s.舗装厚(1).Visible());
    EXPECT_EQ(s.舗装厚(1).Text(), "15");
    EXPECT_EQ(hosousuu, 1);

    s.基準チェックボタン.SetValue(forms::vbChecked);
    s.測点間隔.SetText("40");
    EXPECT_TRUE(s.ラベル.Visible() && s.測点間隔.Visible());
    s.基準チェックボタン.SetValue(forms::vbUnchecked);
    EXPECT_FALSE(s.ラベル.Visible() || s.測点間隔.Visible());

    s.一括ボタン.OnClick();
    EXPECT_TRUE(s.Frame11.Visible() && !s.Frame14.Visible());
    s.戻るボタン.OnClick();
    EXPECT_TRUE(!s.Frame11.Visible() && s.Frame14.Visible());
    s.測点プロットボタン.OnClick();
    EXPECT_TRUE(s.窓.Visible());
    s.キャンセル.OnClick();
    EXPECT_FALSE(s.窓.Visible());
}

TEST_F(DrawingScreen, IpButtonEnablesThePlanCommandOnly) {
    作図画面& s = Screen();
    s.測点プロットボタン.SetEnabled(true);
    ipsuu = 50;
    s.IP入力ボタン_Click();
    EXPECT_FALSE(s.作図平面.Enabled());
    EXPECT_TRUE(s.測点プロットボタン.Enabled());
    ASSERT_EQ(Messages().size(), 2u); // the link, then the refusal
    EXPECT_EQ(Messages()[1], "ＩＰが50あります。49までしか扱えません。");
    ipsuu = 49;
    s.IP入力ボタン_Click();
    EXPECT_TRUE(s.作図平面.Enabled());
    EXPECT_FALSE(s.測点プロットボタン.Enabled());
    EXPECT_FALSE(s.D3ボタン.Enabled());
}

TEST_F(DrawingScreen, StandardSectionAppliedToEveryStation) {
    SetProfile({{0, 10}, {20.5f, 11}});
    作図画面& s = Screen();
    yokosakuzudata(2, 2) = "KEI2";
    s.左幅.SetText("3.5");
    s.右勾配.SetText("-2");
    s.横断図データー設定画面表示ボタン_Click();
    EXPECT_EQ(yokosakuzudata(2, 0), "20.5");
    EXPECT_EQ(yokosakuzudata(2, 3), "3.5");
    EXPECT_EQ(yokosakuzudata(2, 4), "2");
    EXPECT_EQ(yokosakuzudata(1, 6), "-2");
    EXPECT_EQ(yokosakuzudata(2, 2), "KEI2");

    sokutensuu = 201;
    yokosakuzudata(1, 3) = "kept";
    forms::script::Reset();
    s.横断図データー設定画面表示ボタン_Click();
    EXPECT_EQ(yokosakuzudata(1, 3), "kept");
    EXPECT_EQ(Messages(), std::vector<std::string>{"測点が201あります。200までしか扱えません。"});
}

TEST_F(DrawingScreen, CoordinateTransfer) {
    作図画面& s = Screen();
    forms::script::Reset();
    s.座標転送_Click();
    EXPECT_EQ(Messages(), std::vector<std::string>{std::string(sheet_messages::kNoWorkbook)});

    OpenDocument();
    for (int row = 5; row <= 56; ++row) Sheet(kCoordinateSheet)->Cells(row, 2)->SetValue("old");
    Sheet(kCoordinateSheet)->Cells(55, 3)->SetValue("conversion");
    SetProfile({{0, 10}, {20, 11}});
    // Without plan positions of this station list the list stays as it is.
    forms::script::Reset();
    s.座標転送_Click();
    EXPECT_EQ(Messages(), std::vector<std::string>{kNoPlanPositions});
    EXPECT_EQ(Cell(kCoordinateSheet, 5, 2), "old");
    // A straight road: the stations placed, their points then set to show the numbers' form.
    alignment_test::SetPolygon({{0, 0}, {100, 0}});
    ASSERT_TRUE(ComputePlanAlignment());
    PlaceAllStations();
    sokutenx(1) = 1000.5f;
    sokuteny(1) = -2000;
    sokutenx(2) = 21000;
    sokuteny(2) = 3000.25f;
    forms::script::Reset();
    s.座標転送_Click();
    EXPECT_EQ(Cell(kCoordinateSheet, 5, 2), "0");
    EXPECT_EQ(Cell(kCoordinateSheet, 5, 3), "1.0005");
    EXPECT_EQ(Cell(kCoordinateSheet, 5, 4), "-2");
    EXPECT_EQ(Cell(kCoordinateSheet, 6, 2), "20");
    EXPECT_EQ(Cell(kCoordinateSheet, 6, 4), "3.00025");
    EXPECT_EQ(Cell(kCoordinateSheet, 7, 2), ""); // a stale row of a longer list
    EXPECT_EQ(Cell(kCoordinateSheet, 52, 2), "");
    EXPECT_EQ(Cell(kCoordinateSheet, 53, 2), "old"); // the conversion's rows stay
    EXPECT_EQ(Cell(kCoordinateSheet, 55, 3), "conversion");
    EXPECT_TRUE(xlbook->Application()->Visible());

    // 49 stations placed: more than the rows above the conversion's.
    sokutensuu = 49;
    for (int r = 1; r <= 49; ++r) tatedata(r, 1) = 2.0f * (r - 1);
    PlaceAllStations();
    forms::script::Reset();
    s.座標転送_Click();
    EXPECT_EQ(Cell(kCoordinateSheet, 53, 2), "old");
    EXPECT_EQ(Cell(kCoordinateSheet, 5, 3), "1.0005");
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_NE(Messages()[0].find("48測点まで"), std::string::npos);
}

} // namespace
