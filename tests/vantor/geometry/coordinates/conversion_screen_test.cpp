// The screen's fit, conversions and output to 座標値ｼｰﾄ as the user reaches them.
#include "coordinate_fixture.h"
#include "tests/support/run_python.h"
#include "vantor/model/sheet_names.h"

#include <filesystem>

namespace {

using namespace 縦断bus;
using coordinates_test::CoordinateTest;

class ConversionScreen : public CoordinateTest {};

TEST_F(ConversionScreen, LoadShowsEveryReferencePointOfTheDocument) {
    zahyousuu = 20;
    for (int r = 1; r <= 20; ++r)
        for (int c = 1; c <= 4; ++c) zahyoudata(r, c) = r * 10 + c + 0.5;
    座標変換& screen = Screen();
    EXPECT_EQ(screen.グリッド.Rows(), 21);
    EXPECT_EQ(screen.グリッド.TextMatrix(0, 1), " ｘ(現地座標）");
    EXPECT_EQ(screen.グリッド.TextMatrix(20, 0), " 20");
    EXPECT_EQ(screen.グリッド.TextMatrix(20, 4), "204.5");
    EXPECT_EQ(screen.マス.TextMatrix(0, 1), " Ｘ(図面座標）");
    EXPECT_EQ(screen.度.Caption(), "0");
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
    EXPECT_EQ(screen.度.Caption().substr(0, 14), "29.99999999608");

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
    screen.グリッド.SetTextMatrix(5, 4, "");   // drawing Y missing: not a reference point
    screen.解放_Click();
    EXPECT_TRUE(Messages().empty());
    ASSERT_TRUE(screen.Fit());
    EXPECT_EQ(screen.Fit()->pairs.size(), 2u);   // rows 1-2 and 2-4
    EXPECT_EQ(zahyousuu, 3);
    EXPECT_NEAR(screen.Fit()->meanDegrees, 30, 1e-8);
}

TEST_F(ConversionScreen, AFailedFitKeepsThePreviousOneWhole) {
    座標変換& screen = Screen();
    TypeTurned(1, 100, 50, 30, 1000, 2000);
    TypeTurned(2, 180, 90, 30, 1000, 2000);
    screen.解放_Click();
    const std::string degrees = screen.度.Caption(), x = screen.x軸.Caption(), y = screen.Y軸.Caption();
    const auto before = screen.Transform();

    // A third point three times too far in the drawing: the second pair cannot be a rotation.
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

TEST_F(ConversionScreen, AngleCorrectionTurnsTheOneAngleAndBack) {
    座標変換& screen = Screen();
    TypeTurned(1, 100, 50, 30, 1000, 2000);
    TypeTurned(2, 180, 90, 30, 1000, 2000);
    screen.解放_Click();
    const double theta = screen.Transform().angle;
    screen.Command1_Click();
    EXPECT_NEAR(screen.Transform().angle, 3.141592 - theta, 1e-15);
    EXPECT_NEAR(screen.MeanDegrees(), (3.141592 - theta) * 180 / 3.141592654, 1e-12);
    EXPECT_EQ(screen.度.Caption(), rt::CStr(screen.MeanDegrees()));
    screen.Command1_Click();
    EXPECT_NEAR(screen.Transform().angle, theta, 1e-15);
    // A negative angle goes the other way round.
    TypeTurned(1, 100, 50, -20, 0, 0);
    TypeTurned(2, 180, 90, -20, 0, 0);
    screen.解放_Click();
    const double negative = screen.Transform().angle;
    screen.Command1_Click();
    EXPECT_NEAR(screen.Transform().angle, std::fabs(negative) - 3.141592, 1e-15);
}

TEST_F(ConversionScreen, KindsFillThePointGrid) {
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
    EXPECT_TRUE(screen.PickPending());   // the multi-point pick starts
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
    EXPECT_EQ(screen.マス.TextMatrix(120, 3), "1527");   // 1528 − 1
    EXPECT_EQ(screen.マス.TextMatrix(120, 4), "2106");   // 2104 + 2

    screen.名称.SetText("中心線");
    screen.転送ボタン_Click();
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(Cell(kCoordinateSheet, 53, 2), "中心線");
    EXPECT_EQ(Cell(kCoordinateSheet, 55, 1), "番号");
    EXPECT_EQ(Cell(kCoordinateSheet, 55, 4), "（測量座標値）");
    EXPECT_EQ(Cell(kCoordinateSheet, 175, 1), "120");
    EXPECT_EQ(Cell(kCoordinateSheet, 175, 2), "2106");   // site y under "Ｘ座標"
    EXPECT_EQ(Cell(kCoordinateSheet, 175, 3), "1527");
    EXPECT_EQ(Cell(kCoordinateSheet, 7, 10), "230");     // reference row 3, drawing Y in J
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

TEST_F(ConversionScreen, ReferencePointsAreWrittenAsTheDocumentReadsThem) {
    OpenDocument();
    座標変換& screen = Screen();
    auto sheet = Sheet(kCoordinateSheet);
    for (int row = 5; row <= 9; ++row) sheet->Cells(row, 7)->SetValue(99.0);   // an earlier, longer list
    TypeReference(1, 10.5, 20, 30, 40);
    TypeReference(3, 11, 21, 31, 41);   // row 2 empty
    screen.転送ボタン_Click();
    EXPECT_EQ(Cell(kCoordinateSheet, 5, 7), "10.5");
    EXPECT_EQ(Cell(kCoordinateSheet, 6, 10), "41");
    for (int row = 7; row <= 9; ++row) EXPECT_EQ(Cell(kCoordinateSheet, row, 7), "") << row;
}

TEST_F(ConversionScreen, RoadEdgesTakeTheSameFitAsThePoints) {
    OpenDocument();
    SetStations(2);
    for (int i = 1; i <= 2; ++i) {
        d3chuushin(i, 0, 1) = sokutenx(i);
        d3chuushin(i, 0, 2) = sokuteny(i);
        d3chuushin(i, 0, 3) = 12345.0f * i;
        d3hidarix(i, 0) = sokutenx(i) - 3000;
        d3hidariy(i, 0) = sokuteny(i);
        d3migix(i, 0) = sokutenx(i) + 3000;
        d3migiy(i, 0) = sokuteny(i);
    }
    座標変換& screen = Screen();
    TypeTurned(1, 100, 50, 30, 1000, 2000);
    TypeTurned(2, 180, 90, 32, 1000, 2000);   // pairs disagree a little: the mean angle serves
    screen.解放_Click();
    ASSERT_TRUE(Messages().empty());
    screen.変換種類(3).SetValue(true);
    screen.現地座標ボタン_Click();
    screen.Command1_Click();   // the table follows the current angle, corrected or not
    screen.Command1_Click();
    screen.名称.SetText("路肩");
    screen.転送ボタン_Click();

    const auto t = screen.Transform();
    for (int i = 1; i <= 2; ++i) {
        const double X = sokutenx(i) / 1000.0, Y = sokuteny(i) / 1000.0;
        const double u = X + t.p3, v = Y + t.p4;
        const double x = u * std::cos(t.angle) - v * std::sin(t.angle), y = u * std::sin(t.angle) + v * std::cos(t.angle);
        auto cell = [&](int column) { return Sheet(kCoordinateSheet)->Cells(55 + i, column)->Value().Double(); };
        EXPECT_EQ(Cell(kCoordinateSheet, 55 + i, 1), rt::CStr(tatedata(i, 1)));
        EXPECT_NEAR(cell(2), y, 1e-9);
        EXPECT_NEAR(cell(3), x, 1e-9);
        EXPECT_NEAR(cell(4), 12.345 * i, 1e-4);
        // The centre converts as the point grid converted the station.
        EXPECT_EQ(rt::CStr(static_cast<float>(rt::RoundHalfUp(static_cast<float>(cell(3)), 3))), screen.マス.TextMatrix(i, 3));
        const double left = -3 * std::cos(t.angle), leftY = -3 * std::sin(t.angle);
        EXPECT_NEAR(cell(7) - cell(3), left, 1e-9);
        EXPECT_NEAR(cell(6) - cell(2), leftY, 1e-9);
        EXPECT_NEAR(cell(11) - cell(3), -left, 1e-9);
    }
    EXPECT_EQ(Cell(kCoordinateSheet, 55, 5), "左路肩");
    EXPECT_EQ(Cell(kCoordinateSheet, 54, 12), "（測量座標値）");
    EXPECT_EQ(Cell(kCoordinateSheet, 53, 2), "路肩");
}

TEST_F(ConversionScreen, TransferWithoutADocumentIsToldAndWritesNothing) {
    Screen().転送ボタン_Click();
    ASSERT_EQ(Messages().size(), 1u);
}

// xlrd reads the written list back from the saved file.
TEST_F(ConversionScreen, SavedListReadsBackWithXlrd) {
    OpenDocument();
    SetStations(60);
    座標変換& screen = Screen();
    screen.変換種類(0).SetValue(true);
    screen.現地座標ボタン_Click();   // before any fit: the drawing coordinates
    screen.名称.SetText("測点");
    screen.転送ボタン_Click();
    const std::string file = (std::filesystem::temp_directory_path() / "coordinates_test.xls").string();
    xlbook->SaveAs(file);
    const std::string out = test_support::RunPython(
        "-c \"import sys,xlrd; s=xlrd.open_workbook(sys.argv[1]).sheet_by_name(u'座標値ｼｰﾄ'); "
        "print(s.cell_value(52,1), s.cell_value(114,0), s.cell_value(114,1), s.cell_value(114,2))\" '" + file + "'");
    std::filesystem::remove(file);
    // Station 60: X = 100 + 12·59 = 808, Y = 200 + 16·59 = 1144.
    EXPECT_EQ(out, "測点 60.0 1144 808\n");
}

} // namespace
