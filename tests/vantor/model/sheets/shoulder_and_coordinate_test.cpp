// The shoulder sheet and the reference points of the coordinate sheet.
#include "sheet_fixture.h"
#include "vantor/model/bus/coordinate_tables.h"
#include "vantor/model/bus/profile_tables.h"
#include "vantor/model/bus/station_tables.h"
#include "vantor/model/sheets/coordinate_sheet.h"
#include "vantor/model/sheets/shoulder_sheet.h"

namespace sheets_test {
namespace {

using namespace 縦断bus;

TEST_F(SheetTest, ShoulderOffsetsRoundTripAndEmptyCellsReadAsZero) {
    sokutensuu = 3;
    for (int i = 1; i <= 3; ++i) {
        tatedata(i, 1) = 20.0f * i;
        for (int c = 1; c <= 9; ++c) rokatadata(i, c) = c == 5 ? 20.0f * i : 0.25f * c + i;
    }
    rokatadata(2, 3) = kEmpty;
    const auto written = rokatadata;

    tensourokata();
    EXPECT_EQ(Text(kShoulderSheet, "C6"), "");
    EXPECT_EQ(Text(kShoulderSheet, "E7"), "60");
    EXPECT_EQ(Text(kShoulderSheet, "B1"), "路肩幅員入力"); // laid out again
    rokatadata.Fill(5);
    yomikomirokata();

    for (int i = 1; i <= 3; ++i)
        for (int c = 1; c <= 9; ++c)
            EXPECT_EQ(rokatadata(i, c), i == 2 && c == 3 ? 0.0f : written(i, c)) << i << "," << c;
    EXPECT_TRUE(Messages().empty());
}

// The sheet's rows go to the stations of their station value, wherever they stand: a list
// rebuilt since (a station added at 30 m, one at 50 m gone) keeps every width at its station,
// the new station gets none, and the rows whose station is not listed are named.
TEST_F(SheetTest, ShoulderRowsAreReadByTheirStation) {
    const float sheetStations[] = {0, 20, 40, 50, 60};
    for (int r = 0; r < 5; ++r) {
        Sheet(kShoulderSheet)->Cells(5 + r, 5)->SetValue(double(sheetStations[r]));
        Sheet(kShoulderSheet)->Cells(5 + r, 4)->SetValue(1.5 + r);
    }
    Sheet(kShoulderSheet)->Cells(11, 9)->SetValue(7.0); // a width without a station
    sokutensuu = 5;
    const float listed[] = {0, 20, 30, 40, 60.01f};
    for (int i = 1; i <= 5; ++i) tatedata(i, 1) = listed[i - 1];

    yomikomirokata();
    const float expected[] = {1.5f, 2.5f, 0, 3.5f, 5.5f};
    for (int i = 1; i <= 5; ++i) {
        EXPECT_EQ(rokatadata(i, 4), expected[i - 1]) << i;
        EXPECT_EQ(rokatadata(i, 5), listed[i - 1]) << i;
    }
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_NE(Messages()[0].find("8行目（50）、11行目（測点なし）"), std::string::npos) << Messages()[0];
}

TEST_F(SheetTest, ReferencePointsDownToTheFirstBlankRow) {
    for (int r = 5; r <= 7; ++r)
        for (int c = 7; c <= 10; ++c) Sheet(kCoordinateSheet)->Cells(r, c)->SetValue(100.125 * r + c);
    Sheet(kCoordinateSheet)->Cells(8, 7)->SetValue(" "); // blanks end the list
    Sheet(kCoordinateSheet)->Cells(9, 7)->SetValue(1.0);

    yomikomizahyou();

    EXPECT_EQ(zahyousuu, 3);
    EXPECT_EQ(zahyoudata(1, 1), 100.125 * 5 + 7);
    EXPECT_EQ(zahyoudata(3, 4), 100.125 * 7 + 10);
    EXPECT_TRUE(Messages().empty());
}

TEST_F(SheetTest, ReferencePointsPastTwentyAreReportedAsIgnored) {
    for (int r = 5; r <= 26; ++r)
        for (int c = 7; c <= 10; ++c) Sheet(kCoordinateSheet)->Cells(r, c)->SetValue(1.0 * r);
    yomikomizahyou();
    EXPECT_EQ(zahyousuu, 20);
    EXPECT_EQ(zahyoudata(20, 1), 24.0);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_NE(Messages()[0].find("21"), std::string::npos);
}

TEST_F(SheetTest, ReferencePointThatIsNoNumberLeavesThePointsAsTheyWere) {
    zahyousuu = 1;
    zahyoudata(1, 1) = 3;
    Sheet(kCoordinateSheet)->Cells(5, 7)->SetValue(1.0);
    Sheet(kCoordinateSheet)->Cells(6, 7)->SetValue(2.0);
    Sheet(kCoordinateSheet)->Cells(6, 9)->SetValue("X=12");

    ExpectNotANumber(ReadReferencePoints, yomikomizahyou,
                     "座標値ｼｰﾄ のセル I6 が数値ではありません。数値に直してください。");

    EXPECT_EQ(zahyousuu, 1);
    EXPECT_EQ(zahyoudata(1, 1), 3.0);
}

TEST_F(SheetTest, NoReferencePoints) {
    zahyousuu = 4;
    yomikomizahyou();
    EXPECT_EQ(zahyousuu, 0);
}

} // namespace
} // namespace sheets_test
