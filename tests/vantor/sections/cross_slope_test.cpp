// Cross-slope interpolation (hand-worked values) and the cross-slope screen's editing.
#include "../drawing/drawing_fixture.h"
#include "vantor/model/bus/alignment_tables.h"
#include "vantor/model/bus/cross_slope_tables.h"
#include "vantor/model/bus/document_state.h"
#include "vantor/model/bus/profile_tables.h"
#include "vantor/model/bus/station_tables.h"
#include "vantor/sections/keisanyokokoubai.h"
#include "vantor/sections/横断勾配入力画面.h"

#include <QWidget>

namespace {

using namespace 縦断bus;

class CrossSlopes : public drawing_test::DrawingTest {
protected:
    // Stations with a planned height of 10 m and widths of 3 m on both sides.
    static void Stations(std::initializer_list<float> stations) {
        sokutensuu = 0;
        for (float s : stations) {
            ++sokutensuu;
            tatedata(sokutensuu, 1) = s;
            tatedata(sokutensuu, 5) = 10;
            yokodata(sokutensuu, 5) = s;
            yokodata(sokutensuu, 6) = 10;
            yokodata(sokutensuu, 2) = yokodata(sokutensuu, 9) = 3;
        }
    }
    static 横断勾配入力画面& Screen() { return forms::Get<横断勾配入力画面>(); }
};

TEST_F(CrossSlopes, LinearBetweenChangePointsAndBeyondThem) {
    Stations({-20, 0, 50, 100, 120});
    yokodata(2, 4) = 2;
    yokodata(4, 4) = 4;
    yokodata(1, 7) = 1; // right: out of station order
    yokodata(5, 7) = 5;
    yokodata(3, 7) = 3;
    EXPECT_TRUE(keisanyokokoubai());
    const float left[] = {1.6f, 2, 3, 4, 4.4f};
    for (int r = 1; r <= 5; ++r) EXPECT_FLOAT_EQ(yokodata(r, 3), left[r - 1]) << r;
    EXPECT_EQ(hidarikijunsuu, 2);
    EXPECT_EQ(hidarikijunsokuten(2), 100);
    EXPECT_EQ(migikijunsokuten(2), 50); // row order, not sorted
    // Right points (-20,1), (50,3), (120,5): segments in row order.
    EXPECT_FLOAT_EQ(yokodata(2, 8), 1.5714f); // 1 + 2/70 x 20
    EXPECT_FLOAT_EQ(yokodata(4, 8), 4.4286f); // 3 + 2/70 x 50
    EXPECT_TRUE(Screen().注意.Caption().empty());
}

TEST_F(CrossSlopes, RoundingAndShoulderHeights) {
    Stations({0, 50, 100});
    yokodata(1, 4) = 2;
    yokodata(3, 4) = 2.0001f; // station 50: 2.00005 %
    yokodata(1, 7) = 2;
    yokodata(3, 7) = 1.9998f; // station 50: 1.9999 %
    yokodata(1, 2) = 3.5f;    // 3.5 m at 2 %: a drop of 70 mm
    yokodata(2, 9) = 3.33f;
    yokodata(2, 6) = 10;
    keisanyokokoubai();
    EXPECT_FLOAT_EQ(yokodata(2, 3), 2.0001f);
    EXPECT_FLOAT_EQ(yokodata(2, 8), 1.9999f);
    EXPECT_FLOAT_EQ(yokodata(1, 1), 9.93f);
    // 3.33 m at 1.9999 %: 66.597 mm rounds to 67 mm.
    EXPECT_FLOAT_EQ(yokodata(2, 10), 9.933f);
    yokodata(2, 7) = 1.5f; // 3.33 m at 1.5 %: 49.95 mm rounds to 50 mm
    yokodata(1, 7) = 1.5f;
    yokodata(3, 7) = kEmpty;
    keisanyokokoubai();
    EXPECT_FLOAT_EQ(yokodata(2, 10), 9.95f);
}

TEST_F(CrossSlopes, TooFewChangePointsKeepTheRowsOwnSlopeAndAreToldOf) {
    Stations({0, 20, 40});
    hidariyokokoubai.Fill(7); // what an earlier document left
    yokodata(2, 3) = 1.5f;    // the slope this document holds for station 20
    yokodata(2, 4) = 2;       // one change point only
    yokodata(1, 7) = 3;
    yokodata(3, 7) = 3;
    keisanyokokoubai();
    EXPECT_EQ(yokodata(1, 3), 0);
    EXPECT_EQ(yokodata(2, 3), 1.5f);
    EXPECT_EQ(yokodata(1, 1), 10);
    EXPECT_EQ(
        Screen().注意.Caption(),
        "左側の基準勾配が２点未満のため、左側の横断勾配は補間していません。基準勾配を２測点以上に入力してください。");
    EXPECT_TRUE(Screen().注意.Visible());

    // Two change points at the same station: stations before them get nothing new.
    Stations({-10, 0, 0, 10});
    yokodata(2, 4) = 2;
    yokodata(3, 4) = 4;
    yokodata(1, 3) = 1;
    keisanyokokoubai();
    EXPECT_EQ(yokodata(1, 3), 1);
}

// A profile that did not compute leaves its planned heights empty: the shoulder heights are
// left empty rather than worked from the empty marker, and the user is told why; a warning
// of the profile still standing means the same for heights of earlier input.
TEST_F(CrossSlopes, ShoulderHeightsNeedThePlannedHeightsOfTheCurrentProfile) {
    const std::string told =
        "縦断の計画高が今の入力で計算されていません（縦断の計算が警告で止まったか、勾配変化点が２点未満です）。"
        "路肩高は空けています。縦断の計画高を計算してから横断勾配を計算し直してください。";
    for (const bool warningStanding : {false, true}) {
        SCOPED_TRACE(warningStanding ? "warning standing" : "no planned heights");
        Stations({0, 20, 40});
        for (int r = 1; r <= 3; ++r)
            if (!warningStanding) tatedata(r, 5) = yokodata(r, 6) = kEmpty;
        keikokuflg = warningStanding ? 1 : 0;
        yokodata(1, 4) = yokodata(3, 4) = 2;
        yokodata(1, 7) = yokodata(3, 7) = 2;
        keisanyokokoubai();
        for (int r = 1; r <= 3; ++r) {
            EXPECT_EQ(yokodata(r, 1), kEmpty) << r;
            EXPECT_EQ(yokodata(r, 10), kEmpty) << r;
            EXPECT_EQ(yokodata(r, 3), 2) << r; // the slopes are interpolated all the same
            EXPECT_EQ(Screen().グリッド.TextMatrix(r, 0), "") << r;
        }
        EXPECT_EQ(Screen().注意.Caption(), told);
    }
    keikokuflg = 0;
    Stations({0, 20, 40});
    keisanyokokoubai();
    EXPECT_FLOAT_EQ(yokodata(2, 1), 9.94f); // 3 m at the 2 % the rows hold
    EXPECT_TRUE(Screen().注意.Caption().empty());
}

// Both notices at once, the longest the screen shows: the text wrapped at the notice's width
// fits its height, and the notice lies below the grid and inside the window.
TEST_F(CrossSlopes, TheLongestNoticeShowsWhole) {
    Stations({0, 20, 40});
    keikokuflg = 1;
    keisanyokokoubai();
    keikokuflg = 0;
    Screen().Show();
    const QWidget* notice = Screen().注意.Widget();
    ASSERT_NE(Screen().注意.Caption().find('\n'), std::string::npos);
    EXPECT_LE(notice->heightForWidth(notice->width()), notice->height());
    EXPECT_GE(notice->geometry().top(), Screen().グリッド.Widget()->geometry().bottom());
    EXPECT_LE(notice->geometry().bottom(), notice->parentWidget()->height());
}

TEST_F(CrossSlopes, GridTextsAndCurvePointLabels) {
    Stations({0, 20, 50.5f});
    yokodata(2, 2) = kEmpty;
    yokodata(1, 4) = 2;
    yokodata(3, 4) = 2;
    ipkeisanflg = 1;
    ipsuu = 2;
    bcsokuten(1) = 20000;
    ecsokuten(1) = 30000;
    bcsokuten(2) = 40000;
    ecsokuten(2) = 50500;
    keisanyokokoubai();
    forms::FlexGrid& g = Screen().グリッド;
    EXPECT_EQ(g.Rows(), 4);
    EXPECT_EQ(g.RowHeight(3), 500);
    EXPECT_EQ(g.TextMatrix(2, 1), "幅未入力");
    EXPECT_EQ(g.TextMatrix(2, 0), "");
    EXPECT_EQ(g.TextMatrix(1, 2), "2");
    EXPECT_EQ(g.TextMatrix(1, 6), ""); // no reference slope
    EXPECT_EQ(g.TextMatrix(1, 4), "0");
    EXPECT_EQ(g.TextMatrix(2, 4), "B.C 1 (20)");
    EXPECT_EQ(g.TextMatrix(3, 4), "E.C 2 (50.5)");
    EXPECT_EQ(yokodata(2, 5), 20);

    sokutensuu = 201;
    forms::script::Reset();
    EXPECT_FALSE(keisanyokokoubai());
    EXPECT_EQ(Messages().size(), 1u);
}

TEST_F(CrossSlopes, EditingCells) {
    Stations({0, 20, 40});
    ipsuu = 2;
    bcsokuten(2) = 123450;
    ecsokuten(1) = 15000;
    横断勾配入力画面& s = Screen();
    forms::FlexGrid& g = s.グリッド;
    const auto edit = [&](int row, int column, const std::string& text) {
        g.SetRow(row);
        g.SetCol(column);
        s.グリッド_Click();
        s.Text1.SetText(text);
        s.Text1_LostFocus();
    };
    g.SetRow(1);
    g.SetCol(9);
    s.グリッド_Click();
    EXPECT_EQ(g.Col(), 8); // a shoulder height edits the width of its side
    g.SetCol(2);
    s.グリッド_Click();
    EXPECT_EQ(g.Col(), 1);

    edit(2, 4, "B.C 2");
    EXPECT_FLOAT_EQ(yokodata(2, 5), 123.45f);
    edit(3, 4, "E.C 1 (15)");
    EXPECT_EQ(yokodata(3, 5), 15);
    edit(1, 4, "b.c 2");
    EXPECT_EQ(yokodata(1, 5), 0);
    edit(2, 1, "B.C 2"); // not a station cell: no chainage
    EXPECT_EQ(yokodata(2, 2), 0);
    forms::script::Reset();
    edit(3, 4, "B.C 7"); // no such curve
    EXPECT_EQ(yokodata(3, 5), 15);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_NE(Messages()[0].find("1～2で指定"), std::string::npos);
    edit(1, 3, "2.5");
    EXPECT_EQ(yokodata(1, 4), 2.5f);
    edit(1, 3, "  ");
    EXPECT_EQ(yokodata(1, 4), kEmpty);
}

TEST_F(CrossSlopes, BulkWidthsAndTheDrawingButton) {
    Stations({0, 20});
    koubaisetteiflg = 1;
    横断勾配入力画面& s = Screen();
    EXPECT_FALSE(s.Toolbar1.Buttons("作図").Enabled());
    s.Toolbar1_ButtonClick(s.Toolbar1.Buttons("設定"));
    EXPECT_TRUE(s.窓.Visible());
    EXPECT_EQ(s.幅(0).Text(), "　");
    s.幅(0).SetText("3.5");
    s.幅(1).SetText("3");
    s.幅員ボタン_Click(0);
    EXPECT_FALSE(s.窓.Visible());
    EXPECT_EQ(yokodata(2, 9), 3.5f);
    EXPECT_EQ(yokodata(1, 2), 3);
    EXPECT_EQ(s.グリッド.TextMatrix(2, 8), "3.5");

    s.Toolbar1_ButtonClick(s.Toolbar1.Buttons("戻る"));
    EXPECT_FALSE(forms::IsLoaded<横断勾配入力画面>());
    koubaisetteiflg = 0;
    EXPECT_TRUE(Screen().Toolbar1.Buttons("作図").Enabled());
}

// The boxes start with a full-width blank; a width typed after it, or before one, counts.
TEST_F(CrossSlopes, BulkWidthsSkipTheBlanksAroundTheNumber) {
    Stations({0, 20});
    横断勾配入力画面& s = Screen();
    const struct {
        const char* typed;
        float width;
        const char* shown;
    } cases[] = {
        {"　3.5", 3.5f, "3.5"}, {"3.5　", 3.5f, "3.5"}, {" 　2.75 ", 2.75f, "2.75"}, {"　", 0, "0"}, {"", 0, "0"}};
    for (const auto& c : cases) {
        s.Toolbar1_ButtonClick(s.Toolbar1.Buttons("設定"));
        s.幅(0).SetText(c.typed);
        s.幅(1).SetText(c.typed);
        s.幅員ボタン_Click(0);
        EXPECT_EQ(yokodata(2, 9), c.width) << c.typed;
        EXPECT_EQ(yokodata(1, 2), c.width) << c.typed;
        EXPECT_EQ(s.グリッド.TextMatrix(2, 8), c.shown) << c.typed;
    }
}

} // namespace
