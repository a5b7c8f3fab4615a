// Typing points into the editors' grid, the preview and the station shown.
#include "editor_fixture.h"
#include "vantor/model/bus/profile_tables.h"
#include "vantor/model/bus/section_tables.h"
#include "vantor/model/bus/station_tables.h"

#include <QFontMetrics>
#include <QWidget>

namespace {

using namespace 縦断bus;
using editors_test::EditorTest;
using section_test::RecordingCad;

using Lines = std::vector<std::pair<std::pair<double, double>, std::pair<double, double>>>;
Lines Ends(const std::vector<forms::DrawCommand>& lines) {
    Lines out;
    for (const auto& l : lines) out.push_back({{l.x1, l.y1}, {l.x2, l.y2}});
    return out;
}
const Lines kAxes = {{{0, -29}, {0, 29}}, {{-29, 0}, {29, 0}}};

TEST_F(EditorTest, GridLayoutAndTheTypedRowGoesIntoBothSidesOfTheStation) {
    SetRoad({{0, 10, 10}, {20, 10, 10}});
    現況横断図& screen = Ground();
    EXPECT_EQ(screen.Caption(), "現況横断入力画面");
    EXPECT_EQ(screen.グリッド.Rows(), 22);
    EXPECT_EQ(screen.グリッド.TextMatrix(0, 0), " 左側");
    EXPECT_EQ(screen.グリッド.TextMatrix(1, 4), " Ｙ座標");
    EXPECT_EQ(screen.グリッド.TextMatrix(21, 2), "20");
    // The number column shows its header " No" whole.
    const QFontMetrics header(screen.グリッド.Widget()->font());
    EXPECT_LE(header.horizontalAdvance(QString::fromUtf8(" No")), screen.グリッド.ColWidth(2) / 15 - 7);
    EXPECT_EQ(danmenbangou, 1);
    EXPECT_EQ(danmensuu, 3);
    EXPECT_EQ(Ends(EditorTest::PreviewLines(screen)), kAxes);

    // Point 2: right offset first (no redraw), then the left height (redraw with a fresh count).
    Type(screen, 2, 0, "1");
    Type(screen, 2, 1, "0");
    Type(screen, 3, 0, "3");
    const auto before = screen.図.Commands();
    Type(screen, 3, 3, "4.5");
    EXPECT_EQ(screen.図.Commands(), before);
    EXPECT_EQ(genkyoumigi(1, 1, 1), "4.5");
    Type(screen, 3, 1, "-0.5");
    EXPECT_EQ(genkyouhidari(1, 1, 1), "3");
    EXPECT_EQ(genkyouhidari(1, 1, 2), "-0.5");
    EXPECT_EQ(genkyouhidarisuu(1), 2);
    EXPECT_EQ(genkyoumigisuu(1), 0); // the right side's point 1 is empty
    Lines expected = kAxes;
    expected.push_back({{-1, 0}, {-3, -0.5}});
    EXPECT_EQ(Ends(EditorTest::PreviewLines(screen)), expected);
    EXPECT_TRUE(kirimorihidari(1, 1, 1).empty()); // the other editor's tables are its own
}

// The longest texts a point shows (seven significant digits with a sign and a leading zero, as
// a pick near the centre line gives) fit their cells whole, the cell margins taken off, so no
// sign is cut off; the preview and the buttons stand right of the wider grid, on the screen.
TEST_F(EditorTest, LongPointTextsShowWholeBesideThePreviewAndButtons) {
    SetRoad({{0, 10, 10}});
    genkyouhidari(1, 0, 1) = "-0.0003425";
    genkyouhidari(1, 0, 2) = "-12.34567";
    現況横断図& screen = Ground();
    screen.Open();
    EXPECT_EQ(screen.グリッド.TextMatrix(2, 0), "-0.0003425");
    const QFontMetrics metrics(screen.グリッド.Widget()->font());
    for (const char* text : {"-0.0003425", "-12.34567", "-0.0571918"})
        for (int c : {0, 1, 3, 4})
            EXPECT_LE(metrics.horizontalAdvance(QString::fromUtf8(text)), screen.グリッド.ColWidth(c) / 15 - 7) << text;
    const QRect grid = screen.グリッド.Widget()->geometry();
    EXPECT_GE(grid.width(), (4 * screen.グリッド.ColWidth(0) + screen.グリッド.ColWidth(2)) / 15);
    for (const forms::Control* c :
         {static_cast<const forms::Control*>(&screen.図), static_cast<const forms::Control*>(&screen.受信ボタン),
          static_cast<const forms::Control*>(&screen.転送ボタン),
          static_cast<const forms::Control*>(&screen.Command1)}) {
        EXPECT_GT(c->Widget()->geometry().left(), grid.right());
        EXPECT_TRUE(screen.ClientWidget()->rect().contains(c->Widget()->geometry()));
    }
}

TEST_F(EditorTest, ThePointNumberEditsTheRightOffsetAndHeaderRowsOpenNoEditor) {
    SetRoad({{0, 10, 10}});
    切盛ライン設定画面& screen = CutFill();
    Type(screen, 5, 2, "2.25");
    EXPECT_EQ(kirimorimigi(1, 3, 1), "2.25");
    EXPECT_EQ(screen.グリッド.TextMatrix(5, 3), "2.25");
    EXPECT_EQ(screen.グリッド.TextMatrix(5, 2), "4");

    screen.Text1.SetVisible(false);
    screen.グリッド.SetRow(1);
    screen.グリッド.SetCol(0);
    screen.グリッド_Click();
    EXPECT_FALSE(screen.Text1.Visible());
    screen.Text1_LostFocus(); // the last edited row is stored again, nothing else
    EXPECT_EQ(kirimorimigi(1, 3, 1), "2.25");
}

TEST_F(EditorTest, PreviewStopsAtTheFirstEmptyOffsetAndReadsEveryTextAsItsLeadingNumber) {
    SetRoad({{0, 10, 10}});
    genkyouhidari(1, 0, 1) = "2m"; // a left offset that is no plain number reads 2
    genkyouhidari(1, 0, 2) = "1";
    genkyouhidari(1, 1, 1) = "abc"; // and one with no number at all reads 0
    genkyouhidari(1, 1, 2) = "x";
    genkyouhidari(1, 3, 1) = "9"; // after the empty point 3: not counted
    genkyoumigi(1, 0, 1) = "1";
    genkyoumigi(1, 1, 1) = "5";
    genkyoumigi(1, 1, 2) = "2.5";
    現況横断図& screen = Ground();
    Lines expected = kAxes;
    expected.push_back({{-2, 1}, {0, 0}});
    expected.push_back({{1, 0}, {5, 2.5}});
    EXPECT_EQ(Ends(EditorTest::PreviewLines(screen)), expected);
    EXPECT_EQ(genkyouhidarisuu(1), 2);
    EXPECT_EQ(genkyoumigisuu(1), 2);
}

// Another screen moved the shared station while this one was hidden: shown again, the screen
// stands on that station, and an edit goes there.
TEST_F(EditorTest, ShownAgainTheScreenStandsOnTheSharedStation) {
    SetRoad({{0, 10, 10}, {20, 10, 10}, {40, 10, 10}});
    genkyouhidari(3, 0, 1) = "7";
    RecordingCad cad;
    DrawingScreen();
    Ground().Open();
    Ground().切盛ボタン_Click();
    EXPECT_FALSE(Ground().Visible());
    EXPECT_TRUE(CutFill().Visible());
    danmenbangou = 3;
    CutFill().戻るボタン_Click();
    Ground().Open();
    EXPECT_EQ(Ground().ShownStation(), 3);
    EXPECT_EQ(Ground().測点.Text(), "40");
    EXPECT_EQ(Ground().グリッド.TextMatrix(2, 0), "7");
    Type(Ground(), 2, 1, "0.3");
    EXPECT_EQ(genkyouhidari(3, 0, 2), "0.3");
    EXPECT_TRUE(cad.executes.empty()); // showing does not draw
}

TEST_F(EditorTest, SteppingStaysWithinTheStationsAndTellsWhenTheRoadHasMoreThanTheTablesHold) {
    SetRoad({{0, 10, 10}, {20, 10, 10}});
    RecordingCad cad;
    DrawingScreen();
    Ground().移動ボタン_Click(0);
    EXPECT_EQ(danmenbangou, 1);
    Ground().移動ボタン_Click(1);
    Ground().移動ボタン_Click(1);
    EXPECT_EQ(danmenbangou, 2);
    EXPECT_EQ(Ground().測点.Text(), "20");
    EXPECT_TRUE(Messages().empty());

    sokutensuu = 60;
    for (int s = 1; s <= 60; ++s) {
        tatedata(s, 1) = 20.0f * (s - 1);
        yokosakuzudata(s, 1) = "GEN1";
    }
    danmenbangou = 50;
    Ground().移動ボタン_Click(1);
    EXPECT_EQ(danmenbangou, 50);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_NE(Messages()[0].find("50"), std::string::npos);
}

} // namespace
