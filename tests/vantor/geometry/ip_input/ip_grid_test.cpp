// The IP grid: filled from the table, edited in place, rows inserted and deleted, the points
// handed on by 完了, written to the IP sheet by 転送 and read from it by 読込.
#include "ip_input_fixture.h"
#include "vantor/drawing/AutoCad設定画面.h"
#include "vantor/drawing/作図画面.h"
#include "vantor/model/bus/alignment_tables.h"
#include "vantor/model/sheet_messages.h"

#include <QFontMetrics>
#include <QString>
#include <QWidget>

namespace {

using namespace 縦断bus;
using ip_input_test::Row;

class IpGrid : public ip_input_test::IpInputTest {
protected:
    // Five points with curves at the second and the fourth.
    const std::vector<Row> five_{
        {"0", "0", ""}, {"100", "0", "50"}, {"100", "100", ""}, {"200", "100", "80.5"}, {"200", "250", ""}};
};

TEST_F(IpGrid, LoadShowsTheTableInMetres) {
    forms::Get<AutoCad設定画面>().Pellix1().SetAcadLocked(false);
    ipsuu = 2;
    const float points[4][3] = {{12345.5f, -250.25f, 0}, {100000, 0, 150000}, {100000, 100000, 0}, {0.5f, 7, 0}};
    for (int p = 0; p < 4; ++p) ipx(p) = points[p][0], ipy(p) = points[p][1], iphankei(p) = points[p][2];
    IP入力画面& s = Screen();
    EXPECT_EQ(s.Caption(), "ＩＰ入力画面");
    EXPECT_TRUE(s.Visible());
    EXPECT_EQ(s.グリッド.Rows(), 52);
    EXPECT_EQ(Rows(0, 5), (std::vector<Row>{{" ｘ座標", " Ｙ座標", " 半　径"},
                                            {"12.3455", "-0.25025", ""},
                                            {"100", "0", "150"},
                                            {"100", "100", ""},
                                            {"0.0005", "0.007", ""},
                                            {"", "", ""}}));
    EXPECT_EQ(s.RowsInUse(), 4);
    EXPECT_TRUE(forms::Get<AutoCad設定画面>().Pellix1().AcadLocked());

    // The drawing screen's ＩＰ入力 shows the table again; rows of a longer list go.
    ipsuu = 0;
    forms::Get<作図画面>().IP入力ボタン_Click();
    EXPECT_EQ(Rows(3, 4), (std::vector<Row>{{"", "", ""}, {"", "", ""}}));
    EXPECT_EQ(s.RowsInUse(), 2);
}

// The longest texts a point shows in metres (seven significant digits and a sign, a small value
// with its leading zero, a site coordinate) fit their cells whole, the grid's cell margins
// taken off, and the screen holds the wider grid and its buttons beside it.
TEST_F(IpGrid, LongNumbersShowWholeInTheirCells) {
    ipsuu = 1;
    const float points[3][3] = {{-47.9452f, -123456.7f, 2345678}, {-299999.9f, 0.5f, 0}, {0, 0, 0}};
    for (int p = 0; p < 3; ++p) ipx(p) = points[p][0], ipy(p) = points[p][1], iphankei(p) = points[p][2];
    IP入力画面& s = Screen();
    EXPECT_EQ(Rows(1, 2), (std::vector<Row>{{"-0.0479452", "-123.4567", "2345.678"}, {"-299.9999", "0.0005", ""}}));
    const QFontMetrics metrics(s.グリッド.Widget()->font());
    for (const char* text : {"-0.0479452", "-299999.9", "-123.4567"})
        for (int c = 0; c < 3; ++c)
            EXPECT_LE(metrics.horizontalAdvance(QString::fromUtf8(text)), s.グリッド.ColWidth(c) / 15 - 7) << text;
    const QRect grid = s.グリッド.Widget()->geometry();
    for (const forms::Control* b :
         {static_cast<const forms::Control*>(&s.自動入力), static_cast<const forms::Control*>(&s.修正ボタン),
          static_cast<const forms::Control*>(&s.キャンセルボタン)}) {
        EXPECT_GT(b->Widget()->geometry().left(), grid.right());
        EXPECT_TRUE(s.ClientWidget()->rect().contains(b->Widget()->geometry()));
    }
    EXPECT_GE(grid.width(), 3 * s.グリッド.ColWidth(0) / 15);
}

TEST_F(IpGrid, TheEditorStoresItsRowLeniently) {
    ipsuu = 1;
    iphankei(1) = 30000;
    IP入力画面& s = Screen();
    Click(2, 0);
    EXPECT_TRUE(s.Text1.Visible());
    s.Text1.SetText("12.5abc");
    EXPECT_EQ(s.グリッド.TextMatrix(2, 0), "12.5abc");
    s.グリッド.SetTextMatrix(2, 1, "");
    s.グリッド.SetTextMatrix(2, 2, "");
    s.Text1_LostFocus();
    EXPECT_EQ(ipx(1), 12500.0f);
    EXPECT_EQ(ipy(1), 0.0f);
    EXPECT_EQ(iphankei(1), 0.0f);
    EXPECT_EQ(ipsuu, 1);

    // A value the table cannot hold leaves the row as it was stored.
    s.グリッド.SetTextMatrix(2, 1, "7e38");
    s.Text1_LostFocus();
    EXPECT_EQ(Messages(), std::vector<std::string>{"2行目のＹ座標が大きすぎます。正しい値に直してください。"});
    EXPECT_EQ(ipy(1), 0.0f);
}

TEST_F(IpGrid, InsertAndDeleteMoveWholeRowsRadiiIncluded) {
    IP入力画面& s = Screen();
    Fill(five_);
    Click(3, 1);
    Press("挿入");
    EXPECT_EQ(Rows(3, 6), (std::vector<Row>{{"", "", ""}, five_[2], five_[3], five_[4]}));
    EXPECT_EQ(s.RowsInUse(), 6);
    EXPECT_EQ(s.Text1.Text(), "");
    Press("削除");
    EXPECT_EQ(Rows(1, 6), (std::vector<Row>{five_[0], five_[1], five_[2], five_[3], five_[4], {"", "", ""}}));
    Click(2, 0);
    Press("削除");
    EXPECT_EQ(Rows(2, 5), (std::vector<Row>{five_[2], five_[3], five_[4], {"", "", ""}}));
    EXPECT_EQ(s.RowsInUse(), 4);
    EXPECT_EQ(s.Text1.Text(), "100");

    // The radii reach the table with their points.
    Press("完了");
    EXPECT_EQ(ipsuu, 2);
    EXPECT_EQ(iphankei(1), 0.0f);
    EXPECT_EQ(iphankei(2), 80500.0f);
    EXPECT_EQ(ipy(3), 250000.0f);
}

TEST_F(IpGrid, InsertAndDeleteOutsideTheListChangeNothing) {
    IP入力画面& s = Screen();
    Fill(five_);
    for (const auto& [row, key] : {std::pair{6, "挿入"}, {7, "削除"}, {0, "挿入"}, {0, "削除"}}) {
        s.グリッド.SetRow(row);
        Press(key);
        EXPECT_EQ(Rows(1, 6), (std::vector<Row>{five_[0], five_[1], five_[2], five_[3], five_[4], {"", "", ""}}))
            << row << key;
    }
    EXPECT_TRUE(Messages().empty());

    // With the last row in use nothing is pushed out of the grid.
    std::vector<Row> full;
    for (int r = 1; r <= IP入力画面::kPointRows; ++r) full.push_back({rt::CStr(r), "1", ""});
    Fill(full);
    Click(10, 0);
    Press("挿入");
    EXPECT_EQ(Rows(10, 10), std::vector<Row>{full[9]});
    EXPECT_EQ(s.グリッド.TextMatrix(51, 0), "51");
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0], "点は51点までです。行を挿入するには、先に不要な行を削除してください。");
}

TEST_F(IpGrid, CompleteHandsTheGridToTheDrawingScreen) {
    IP入力画面& s = Screen();
    Fill(five_);
    Press("完了");
    EXPECT_EQ(ipsuu, 3);
    EXPECT_EQ(s.RowsInUse(), 5);
    EXPECT_EQ(ipx(4), 200000.0f);
    EXPECT_EQ(iphankei(1), 50000.0f);
    EXPECT_FALSE(s.Visible());
    EXPECT_TRUE(forms::Get<作図画面>().Visible());
}

TEST_F(IpGrid, CompleteAndTransferRefuseWhatIsNoListOfPoints) {
    OpenDocument();
    struct Case {
        std::vector<Row> rows;
        std::string message;
    };
    const std::vector<Case> cases = {
        {{}, "始点と終点の少なくとも2点を入力してください。"},
        {{{"1", "2", ""}}, "始点と終点の少なくとも2点を入力してください。"},
        {{{"1", "2", ""}, {"", "", ""}, {"3", "4", ""}},
         "2行目のｘ座標がありません。点は1行目から間をあけずに入力してください。"},
        {{{"1", "2", ""}, {"3", "", ""}}, "2行目のＹ座標がありません。点は1行目から間をあけずに入力してください。"},
        {{{"1", "2", ""}, {"3m", "4", ""}}, "2行目のｘ座標「3m」が数値ではありません。"},
        {{{"1", "2", "R50"}, {"3", "4", ""}}, "1行目の半径「R50」が数値ではありません。"},
        {{{"1", "2", ""}, {"3", "1e40", ""}}, "2行目のＹ座標が大きすぎます。正しい値に直してください。"},
    };
    ipsuu = 7;
    ipx(0) = 42;
    for (const Case& c : cases) {
        for (const char* key : {"完了", "転送"}) {
            if (c.rows.size() < 2 && std::string(key) == "転送") continue; // a short list may be transferred
            forms::script::Reset();
            Screen().Show();
            Fill(c.rows);
            Press(key);
            ASSERT_EQ(Messages().size(), 1u) << key << c.message;
            EXPECT_EQ(Messages()[0], c.message) << key;
            EXPECT_TRUE(Screen().Visible());
        }
    }
    EXPECT_EQ(ipsuu, 7);
    EXPECT_EQ(ipx(0), 42.0f);
    EXPECT_EQ(Cell(kIpSheet, 5, 2), "");
    EXPECT_FALSE(forms::IsLoaded<作図画面>());
}

TEST_F(IpGrid, TransferWritesThePointsAndEmptiesTheRowsBelow) {
    OpenDocument();
    // A longer list written before, with what the alignment adds beside and below it.
    ipsuu = 4;
    for (int p = 0; p <= 5; ++p) ipx(p) = 1000.0f * p, ipy(p) = 2000.0f * p, iphankei(p) = 0;
    ASSERT_TRUE(WriteIpSheet());
    Sheet(kIpSheet)->Cells(8, 6)->SetValue(12.5f);
    Sheet(kIpSheet)->Cells(12, 2)->SetValue(std::string("総延長＝ "));

    Fill({{"10", "20", ""}, {"30.5", "40", "15"}, {"50", "60", ""}});
    Press("転送");
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(Screen().RowsInUse(), 3);
    EXPECT_TRUE(xlbook->Application()->Visible());
    for (int r = 5; r <= 7; ++r) EXPECT_EQ(Cell(kIpSheet, r, 1), rt::CStr(r - 4));
    EXPECT_EQ(Cell(kIpSheet, 6, 2), "30.5");
    EXPECT_EQ(Cell(kIpSheet, 6, 5), "15");
    EXPECT_EQ(Cell(kIpSheet, 7, 5), "");
    for (int r = 8; r <= 55; ++r)
        for (int c = 1; c <= 13; ++c) ASSERT_EQ(Cell(kIpSheet, r, c), "") << r << "," << c;

    // Read back: the three points, the radius with its point.
    ipsuu = 0;
    ipx.Fill(0);
    yomikomiip();
    EXPECT_EQ(ipsuu, 1);
    EXPECT_EQ(ipx(1), 30500.0f);
    EXPECT_EQ(iphankei(1), 15000.0f);
    EXPECT_EQ(ipy(2), 60000.0f);
}

TEST_F(IpGrid, ReadAndTransferNeedAWorkbook) {
    Fill(five_);
    Press("転送");
    Press("読込");
    EXPECT_EQ(Messages(), (std::vector<std::string>(2, std::string(sheet_messages::kNoWorkbook))));
    EXPECT_EQ(Rows(5, 5), std::vector<Row>{five_[4]});
    EXPECT_EQ(ipx(1), 0.0f);
}

TEST_F(IpGrid, ReadReplacesTheGridWithTheSheet) {
    OpenDocument();
    ipsuu = 0;
    ipx(0) = 1000, ipy(0) = 2000, ipx(1) = 3500, ipy(1) = 4000, iphankei(1) = 0;
    ASSERT_TRUE(WriteIpSheet());
    Fill(five_);
    Screen().Hide();
    Press("読込");
    EXPECT_EQ(Rows(1, 3), (std::vector<Row>{{"1", "2", ""}, {"3.5", "4", ""}, {"", "", ""}}));
    EXPECT_EQ(Screen().RowsInUse(), 2);
    EXPECT_TRUE(Screen().Visible());
}

} // namespace
