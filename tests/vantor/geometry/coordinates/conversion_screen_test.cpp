// The screen's fit, conversions and output to 座標値ｼｰﾄ as the user reaches them.
#include "coordinate_fixture.h"
#include "tests/support/run_python.h"
#include "vantor/model/bus/alignment_tables.h"
#include "vantor/model/bus/coordinate_tables.h"
#include "vantor/model/bus/model3d_tables.h"
#include "vantor/model/bus/profile_tables.h"
#include "vantor/model/sheet_names.h"

#include <QAbstractScrollArea>
#include <QFontMetrics>

#include <filesystem>
#include <numbers>

namespace {

using namespace 縦断bus;
using coordinates_test::CoordinateTest;

class ConversionScreen : public CoordinateTest {};

TEST_F(ConversionScreen, LoadShowsEveryReferencePointOfTheDocument) {
    zahyousuu = 20;
    for (int r = 1; r <= 20; ++r)
        for (int c = 1; c <= 4; ++c) zahyoudata(r, c) = r * 10 + c + 0.5;
    zahyoudata(2, 3) = zahyoudata(2, 4) = kEmpty; // a drawing point not yet picked
    座標変換& screen = Screen();
    EXPECT_EQ(screen.グリッド.Rows(), 21);
    EXPECT_EQ(screen.グリッド.TextMatrix(0, 1), " ｘ(現地座標）");
    EXPECT_EQ(screen.グリッド.TextMatrix(20, 0), " 20");
    EXPECT_EQ(screen.グリッド.TextMatrix(20, 4), "204.5");
    EXPECT_EQ(screen.グリッド.TextMatrix(2, 2), "22.5");
    EXPECT_EQ(screen.グリッド.TextMatrix(2, 3), "");
    EXPECT_EQ(screen.グリッド.TextMatrix(2, 4), "");
    EXPECT_EQ(screen.マス.TextMatrix(0, 1), " Ｘ(図面座標）");
    EXPECT_EQ(screen.度.Caption(), "0");
}

// Coordinates far from the origin show whole in both grids: a plane coordinate reaches six
// integer digits and a document value keeps 15 significant digits, so with a sign it is 17
// characters wide. Every column stands in view beside the buttons, without scrolling sideways.
TEST_F(ConversionScreen, FarCoordinatesShowWholeBesideTheButtons) {
    const double far[] = {-12345.678, 98765.432, 1111.60254037844, -123456.789012345};
    zahyousuu = 1;
    for (int c = 1; c <= 4; ++c) zahyoudata(1, c) = far[c - 1];
    座標変換& screen = Screen();
    screen.Show();
    const char* const shown[] = {"-12345.678", "98765.432", "1111.60254037844", "-123456.789012345"};
    for (int c = 1; c <= 4; ++c) EXPECT_EQ(screen.グリッド.TextMatrix(1, c), shown[c - 1]);
    for (const forms::FlexGrid* grid : {&screen.グリッド, &screen.マス}) {
        const QFontMetrics metrics(grid->Widget()->font());
        for (int c = 1; c <= 4; ++c)
            for (const char* text : {"-123456.789012345", "-888888.888888888", " Ｘ(図面座標）"})
                EXPECT_LE(metrics.horizontalAdvance(QString::fromUtf8(text)), grid->ColWidth(c) / 15 - 7)
                    << text << " in column " << c;
        int columns = 0;
        for (int c = 0; c < 5; ++c) columns += grid->ColWidth(c);
        const auto* view = static_cast<const QAbstractScrollArea*>(grid->Widget());
        EXPECT_GE(view->viewport()->width(), columns / 15);
        const QRect placed = grid->Widget()->geometry();
        for (const forms::Control* c :
             {static_cast<const forms::Control*>(&screen.解放), static_cast<const forms::Control*>(&screen.Frame1),
              static_cast<const forms::Control*>(&screen.Frame5),
              static_cast<const forms::Control*>(&screen.戻ボタン)}) {
            EXPECT_GT(c->Widget()->geometry().left(), placed.right());
            EXPECT_TRUE(screen.ClientWidget()->rect().contains(c->Widget()->geometry()));
        }
    }
}

TEST_F(ConversionScreen, FitOfThirtyDegreesShowsTheResultsAndConvertsBack) {
    座標変換& screen = Screen();
    TypeTurned(1, 100, 50, 30, 1000, 2000);
    TypeTurned(2, 180, 90, 30, 1000, 2000);
    TypeTurned(3, 250, 20, 30, 1000, 2000);
    screen.解放_Click();
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(zahyousuu, 3);
    EXPECT_NEAR(rt::Val(screen.x軸.Caption()), -1000, 1e-9);
    EXPECT_NEAR(rt::Val(screen.Y軸.Caption()), -2000, 1e-9);
    EXPECT_NEAR(rt::Val(screen.度.Caption()), 30, 1e-9);

    // The reference points' drawing coordinates typed as the point grid converts them back.
    screen.変換種類(2).SetValue(true);
    for (int r = 1; r <= 3; ++r) {
        screen.マス.SetTextMatrix(r, 1, screen.グリッド.TextMatrix(r, 3));
        screen.マス.SetTextMatrix(r, 2, screen.グリッド.TextMatrix(r, 4));
    }
    screen.現地座標ボタン_Click();
    const char* expected[3][2] = {{"100", "50"}, {"180", "90"}, {"250", "20"}};
    for (int r = 1; r <= 3; ++r) {
        EXPECT_EQ(screen.マス.TextMatrix(r, 3), expected[r - 1][0]);
        EXPECT_EQ(screen.マス.TextMatrix(r, 4), expected[r - 1][1]);
    }
    EXPECT_EQ(screen.ConvertedRows(), (std::vector<int>{1, 2, 3}));
}

TEST_F(ConversionScreen, FitTakesTheCompleteRowsAcrossGaps) {
    座標変換& screen = Screen();
    TypeTurned(1, 100, 50, 30, 1000, 2000);
    TypeTurned(2, 180, 90, 30, 1000, 2000);
    TypeTurned(4, 250, 20, 30, 1000, 2000);
    TypeTurned(5, 300, 80, 30, 1000, 2000);
    screen.グリッド.SetTextMatrix(5, 4, ""); // drawing Y missing: not a reference point
    screen.解放_Click();
    EXPECT_TRUE(Messages().empty());
    ASSERT_TRUE(screen.Fit());
    EXPECT_EQ(zahyousuu, 3); // rows 1, 2 and 4
    EXPECT_NEAR(screen.Fit()->degrees, 30, 1e-8);
    EXPECT_NEAR(screen.Fit()->siteX, (100 + 180 + 250) / 3.0, 1e-9);
}

TEST_F(ConversionScreen, AFailedFitKeepsThePreviousOneWhole) {
    座標変換& screen = Screen();
    TypeTurned(1, 100, 50, 30, 1000, 2000);
    TypeTurned(2, 180, 90, 30, 1000, 2000);
    screen.解放_Click();
    const std::string degrees = screen.度.Caption(), x = screen.x軸.Caption(), y = screen.Y軸.Caption();
    const auto before = screen.Transform();

    // A third point three times too far in the drawing: no turn and shift fits.
    const auto far = Drawing(3 * 250, 3 * 20, 30, 1000, 2000);
    TypeReference(3, 250, 20, far.first, far.second);
    screen.解放_Click();
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].rfind("解析不能", 0), 0u);
    EXPECT_EQ(screen.度.Caption(), degrees);
    EXPECT_EQ(screen.x軸.Caption(), x);
    EXPECT_EQ(screen.Y軸.Caption(), y);
    EXPECT_EQ(screen.Transform().p3, before.p3);
    EXPECT_EQ(screen.Transform().angle, before.angle);
    EXPECT_EQ(zahyousuu, 2);

    // No complete row at all: told, nothing changes.
    for (int r = 1; r <= 3; ++r) screen.グリッド.SetTextMatrix(r, 3, "");
    screen.解放_Click();
    ASSERT_EQ(Messages().size(), 2u);
    EXPECT_NE(Messages()[1].find("0点しかありません"), std::string::npos);
    EXPECT_EQ(screen.度.Caption(), degrees);
}

// Before any fit the correction changes nothing (the CAD would be turned by 180° otherwise);
// after one it turns the fit to the other angle with the same sine, shift and labels following,
// and a second press turns it back.
TEST_F(ConversionScreen, AngleCorrectionTurnsTheFitAndBack) {
    座標変換& screen = Screen();
    screen.Command1_Click();
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(screen.Degrees(), 0);
    EXPECT_EQ(screen.度.Caption(), "0");
    EXPECT_EQ(screen.Transform().angle, 0);

    TypeTurned(1, 100, 50, 30, 1000, 2000);
    TypeTurned(2, 180, 90, 30, 1000, 2000);
    screen.解放_Click();
    const auto fitted = screen.Transform();
    screen.Command1_Click();
    EXPECT_NEAR(screen.Transform().angle, std::numbers::pi * 5 / 6, 1e-12);
    EXPECT_NEAR(screen.Degrees(), 150, 1e-9);
    EXPECT_EQ(screen.度.Caption(), rt::CStr(screen.Degrees()));
    EXPECT_EQ(screen.x軸.Caption(), rt::CStr(screen.Transform().p3));
    // The middle of the two points still converts to the middle on the site.
    const auto [X, Y] = Drawing(140, 70, 30, 1000, 2000);
    const auto middle = 縦断bus::coordinates::ToSite(screen.Transform(), X, Y);
    EXPECT_NEAR(middle.x, 140, 1e-9);
    EXPECT_NEAR(middle.y, 70, 1e-9);
    screen.Command1_Click();
    EXPECT_NEAR(screen.Transform().angle, fitted.angle, 1e-12);
    EXPECT_NEAR(screen.Transform().p3, fitted.p3, 1e-9);
    // A negative angle goes the other way round.
    TypeTurned(1, 100, 50, -20, 0, 0);
    TypeTurned(2, 180, 90, -20, 0, 0);
    screen.解放_Click();
    screen.Command1_Click();
    EXPECT_NEAR(screen.Degrees(), -160, 1e-9);
    EXPECT_EQ(Messages().size(), 1u);
}

TEST_F(ConversionScreen, KindsFillThePointGrid) {
    OpenDocument();
    座標変換& screen = Screen();
    ipsuu = 2;
    const float points[4][2] = {{0, 0}, {120500, 30000}, {250000, -12250}, {400000, 0}};
    for (int p = 0; p < 4; ++p) {
        ipx(p) = points[p][0];
        ipy(p) = points[p][1];
    }
    screen.変換種類(1).SetValue(true);
    EXPECT_EQ(screen.マス.Rows(), 5);
    EXPECT_EQ(screen.マス.TextMatrix(1, 0), "1");
    EXPECT_EQ(screen.マス.TextMatrix(2, 1), "120.5");
    EXPECT_EQ(screen.マス.TextMatrix(3, 2), "-12.25");
    EXPECT_EQ(screen.マス.TextMatrix(4, 0), "4");
    EXPECT_EQ(screen.マス.TextMatrix(4, 1), "400");

    screen.変換種類(2).SetValue(true);
    EXPECT_EQ(screen.マス.Rows(), 51);
    EXPECT_EQ(screen.マス.TextMatrix(50, 0), "50");
    EXPECT_EQ(screen.マス.TextMatrix(1, 1), "");
    EXPECT_TRUE(screen.PickPending()); // the multi-point pick starts
}

// A road of 120 stations: every station is converted and written, and a shorter list written
// afterwards leaves nothing of the longer one.
TEST_F(ConversionScreen, ManyStationsAreConvertedAndWrittenWhole) {
    OpenDocument();
    SetStations(120);
    座標変換& screen = Screen();
    // Drawing = site shifted by (1, −2): p3 = −1, p4 = 2, no turn.
    TypeReference(1, 100, 200, 101, 198);
    TypeReference(2, 112, 216, 113, 214);
    TypeReference(3, 124, 232, 125, 230);
    screen.解放_Click();
    ASSERT_TRUE(Messages().empty()) << Messages()[0];
    screen.変換種類(0).SetValue(true);
    EXPECT_EQ(screen.マス.Rows(), 121);
    screen.現地座標ボタン_Click();
    EXPECT_EQ(screen.ConvertedRows().size(), 120u);
    EXPECT_EQ(screen.マス.TextMatrix(120, 0), "2380");
    EXPECT_EQ(screen.マス.TextMatrix(120, 3), "1527"); // 1528 − 1
    EXPECT_EQ(screen.マス.TextMatrix(120, 4), "2106"); // 2104 + 2

    screen.名称.SetText("中心線");
    screen.転送ボタン_Click();
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(Cell(kCoordinateSheet, 53, 2), "中心線");
    EXPECT_EQ(Cell(kCoordinateSheet, 55, 1), "番号");
    EXPECT_EQ(Cell(kCoordinateSheet, 55, 4), "（測量座標値）");
    EXPECT_EQ(Cell(kCoordinateSheet, 175, 1), "120");
    EXPECT_EQ(Cell(kCoordinateSheet, 175, 2), "2106"); // site y under "Ｘ座標"
    EXPECT_EQ(Cell(kCoordinateSheet, 175, 3), "1527");
    EXPECT_EQ(Cell(kCoordinateSheet, 7, 10), "230"); // reference row 3, drawing Y in J
    EXPECT_TRUE(xlbook->Application()->Visible());

    // Three stations now: rows 59 .. 175 are empty again.
    SetStations(3);
    screen.変換種類(1).SetValue(true);
    screen.変換種類(0).SetValue(true);
    screen.現地座標ボタン_Click();
    screen.転送ボタン_Click();
    EXPECT_EQ(Cell(kCoordinateSheet, 58, 1), "3");
    for (int row : {59, 105, 106, 150, 175}) EXPECT_EQ(Cell(kCoordinateSheet, row, 1), "") << row;
}

// Rows with site coordinates are written in order, those still without a drawing point
// included with I and J empty; a row without a complete site point is named and left out.
TEST_F(ConversionScreen, ReferencePointsAreWrittenAsTheDocumentReadsThem) {
    OpenDocument();
    座標変換& screen = Screen();
    auto sheet = Sheet(kCoordinateSheet);
    for (int row = 5; row <= 9; ++row) sheet->Cells(row, 7)->SetValue(99.0); // an earlier, longer list
    TypeReference(1, 10.5, 20, 30, 40);
    TypeReference(3, 11, 21, 31, 41); // row 2 empty
    screen.グリッド.SetTextMatrix(4, 1, "-35150.125");
    screen.グリッド.SetTextMatrix(4, 2, "12500.5");
    screen.グリッド.SetTextMatrix(5, 3, "7"); // a picked point without its site point
    screen.転送ボタン_Click();
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_NE(Messages()[0].find("基準点 5 "), std::string::npos) << Messages()[0];
    EXPECT_EQ(Cell(kCoordinateSheet, 5, 7), "10.5");
    EXPECT_EQ(Cell(kCoordinateSheet, 6, 10), "41");
    EXPECT_EQ(Cell(kCoordinateSheet, 7, 7), "-35150.125");
    EXPECT_EQ(Cell(kCoordinateSheet, 7, 8), "12500.5");
    EXPECT_EQ(Cell(kCoordinateSheet, 7, 9), "");
    EXPECT_EQ(Cell(kCoordinateSheet, 7, 10), "");
    for (int row = 8; row <= 9; ++row) EXPECT_EQ(Cell(kCoordinateSheet, row, 7), "") << row;
}

// The 3D model's stations only (a longer station list since), each edge the model left out
// as empty cells.
TEST_F(ConversionScreen, RoadEdgesTakeTheSameFitAsThePoints) {
    OpenDocument();
    SetStations(4);
    d3sokutensuu = 3;
    for (int i = 1; i <= 4; ++i) {
        d3chuushin(i, 0, 1) = sokutenx(i);
        d3chuushin(i, 0, 2) = sokuteny(i);
        d3chuushin(i, 0, 3) = 12345.0f * i;
        d3hidarix(i, 0) = sokutenx(i) - 3000;
        d3hidariy(i, 0) = sokuteny(i);
        d3hidariz(i, 0) = 12000.0f * i;
        d3migix(i, 0) = sokutenx(i) + 3000;
        d3migiy(i, 0) = sokuteny(i);
        d3migiz(i, 0) = 12100.0f * i;
    }
    d3hidarix(2, 0) = d3hidariy(2, 0) = d3hidariz(2, 0) = kEmpty; // no width on the left there
    座標変換& screen = Screen();
    TypeTurned(1, 100, 50, 123, 1000, 2000);
    TypeTurned(2, 180, 90, 123, 1000, 2000);
    screen.解放_Click();
    ASSERT_TRUE(Messages().empty());
    screen.変換種類(3).SetValue(true);
    screen.現地座標ボタン_Click();
    screen.名称.SetText("路肩");
    screen.転送ボタン_Click();
    ASSERT_TRUE(Messages().empty()) << Messages()[0];

    // Site of a drawing point [m]: the drawing was the site turned clockwise by 123° and
    // shifted by (1000, 2000), so the site is the drawing less the shift turned back.
    const double t = 123 * std::numbers::pi / 180;
    const auto site = [t](double X, double Y) {
        const double u = X - 1000, v = Y - 2000;
        return std::pair{u * std::cos(t) - v * std::sin(t), u * std::sin(t) + v * std::cos(t)};
    };
    auto cell = [&](int row, int column) { return Sheet(kCoordinateSheet)->Cells(row, column)->Value(); };
    for (int i = 1; i <= 3; ++i) {
        const int row = 55 + i;
        EXPECT_EQ(Cell(kCoordinateSheet, row, 1), rt::CStr(tatedata(i, 1)));
        const auto centre = site(sokutenx(i) / 1000.0, sokuteny(i) / 1000.0);
        EXPECT_NEAR(cell(row, 2).Double(), centre.second, 1e-8); // y under "Ｘ座標"
        EXPECT_NEAR(cell(row, 3).Double(), centre.first, 1e-8);
        EXPECT_NEAR(cell(row, 4).Double(), 12.345 * i, 1e-4);
        // The centre converts as the point grid converted the station.
        EXPECT_NEAR(cell(row, 3).Double(), rt::Val(screen.マス.TextMatrix(i, 3)), 0.0005);
        const auto right = site(sokutenx(i) / 1000.0 + 3, sokuteny(i) / 1000.0);
        EXPECT_NEAR(cell(row, 10).Double(), right.second, 1e-8);
        EXPECT_NEAR(cell(row, 11).Double(), right.first, 1e-8);
        EXPECT_NEAR(cell(row, 12).Double(), 12.1 * i, 1e-4);
        if (i == 2) {
            for (int column : {6, 7, 8}) EXPECT_TRUE(cell(row, column).IsEmpty()) << column;
        } else {
            const auto left = site(sokutenx(i) / 1000.0 - 3, sokuteny(i) / 1000.0);
            EXPECT_NEAR(cell(row, 6).Double(), left.second, 1e-8);
            EXPECT_NEAR(cell(row, 7).Double(), left.first, 1e-8);
        }
    }
    for (int column = 1; column <= 12; ++column) EXPECT_TRUE(cell(59, column).IsEmpty()) << column;
    EXPECT_EQ(Cell(kCoordinateSheet, 55, 5), "左路肩");
    EXPECT_EQ(Cell(kCoordinateSheet, 54, 12), "（測量座標値）");
    EXPECT_EQ(Cell(kCoordinateSheet, 53, 2), "路肩");

    // A point list afterwards takes the table's cells away, headers included.
    screen.変換種類(0).SetValue(true);
    screen.現地座標ボタン_Click();
    screen.転送ボタン_Click();
    EXPECT_EQ(Cell(kCoordinateSheet, 55, 1), "番号");
    for (int column : {5, 6, 10, 12}) EXPECT_TRUE(cell(55, column).IsEmpty()) << column;
    EXPECT_TRUE(cell(54, 12).IsEmpty());
    EXPECT_TRUE(cell(57, 11).IsEmpty());
}

// Without a 3D model of the current stations there are no road edges to write: none built,
// one of more stations than the list has, or one whose centres lie elsewhere (another
// document's, or built before the stations moved). Told, nothing written.
TEST_F(ConversionScreen, RoadEdgesWithoutAModelOfTheStationsAreRefused) {
    const struct {
        const char* name;
        void (*model)();
    } models[] = {
        {"none", [] { d3sokutensuu = 0; }},
        {"more stations than the list", [] { SetModelOnStations(4); }},
        {"centres elsewhere",
         [] {
             SetModelOnStations(3);
             d3chuushin(2, 0, 2) += 1;
         }},
    };
    OpenDocument();
    for (const auto& model : models) {
        SCOPED_TRACE(model.name);
        forms::script::Reset();
        SetStations(3);
        model.model();
        座標変換& screen = Screen();
        TypeReference(1, 1, 2, 3, 4);
        screen.変換種類(3).SetValue(true);
        screen.転送ボタン_Click();
        ASSERT_EQ(Messages().size(), 1u);
        EXPECT_NE(Messages()[0].find("３Ｄモデル"), std::string::npos);
        EXPECT_EQ(Cell(kCoordinateSheet, 5, 7), "");
        EXPECT_EQ(Cell(kCoordinateSheet, 55, 1), "");
        screen.変換種類(0).SetValue(true); // the next round chooses the kind anew
    }
}

TEST_F(ConversionScreen, TransferWithoutADocumentIsToldAndWritesNothing) {
    Screen().転送ボタン_Click();
    ASSERT_EQ(Messages().size(), 1u);
}

// xlrd reads the written list back from the saved file: six-digit survey coordinates to the
// millimetre, as numbers.
TEST_F(ConversionScreen, SavedListReadsBackWithXlrd) {
    OpenDocument();
    SetStations(60);
    座標変換& screen = Screen();
    // Station 60 lies at drawing X = 100 + 12·59 = 808, Y = 200 + 16·59 = 1144; the site is the
    // drawing shifted to put it at x = −135250.125, y = 412345.679.
    const double dx = -135250.125 - 808, dy = 412345.679 - 1144;
    TypeReference(1, 100 + dx, 200 + dy, 100, 200);
    TypeReference(2, 900 + dx, 1300 + dy, 900, 1300);
    screen.解放_Click();
    ASSERT_TRUE(Messages().empty()) << Messages()[0];
    screen.変換種類(0).SetValue(true);
    screen.現地座標ボタン_Click();
    EXPECT_EQ(screen.マス.TextMatrix(60, 3), "-135250.125");
    EXPECT_EQ(screen.マス.TextMatrix(60, 4), "412345.679");
    screen.名称.SetText("測点");
    screen.転送ボタン_Click();
    const std::string file = (std::filesystem::temp_directory_path() / "coordinates_test.xls").string();
    xlbook->SaveAs(file);
    const std::string out = test_support::RunPython(
        "-c \"import sys,xlrd; s=xlrd.open_workbook(sys.argv[1]).sheet_by_name(u'座標値ｼｰﾄ'); "
        "print(s.cell_value(52,1), s.cell_value(114,0), repr(s.cell_value(114,1)), repr(s.cell_value(114,2)))\" '" +
        file + "'");
    std::filesystem::remove(file);
    EXPECT_EQ(out, "測点 60.0 412345.679 -135250.125\n");
}

} // namespace
