// The cross-slope sheet: numbers A-J, texts K-P, and the copy from the profile.
#include "platform/runtime/number_text.h"
#include "sheet_fixture.h"
#include "vantor/model/bus/profile_tables.h"
#include "vantor/model/bus/station_tables.h"
#include "vantor/model/sheets/cross_slope_sheet.h"

namespace sheets_test {
namespace {

using namespace 縦断bus;

TEST_F(SheetTest, CrossSlopeTablesRoundTripPastTheTextTableBound) {
    sokutensuu = 205; // the text table holds 200 stations
    for (int i = 1; i <= sokutensuu; ++i)
        for (int c = 1; c <= 10; ++c) yokodata(i, c) = (i + c) % 4 == 0 ? kEmpty : 0.5f * i - 0.01f * c;
    for (int i = 1; i <= 200; ++i)
        for (int c = 1; c <= 6; ++c) yokosakuzudata(i, c) = c == 2 && i % 2 ? "未設定" : 'B' + rt::CStr(i * 10 + c);
    const auto numbers = yokodata;
    const auto texts = yokosakuzudata;

    tensouyoko();
    EXPECT_EQ(Text(kCrossSlopeSheet, "E209"), rt::CStr(0.5f * 205 - 0.05f)); // station 205
    EXPECT_EQ(Text(kCrossSlopeSheet, "K209"), "");
    yokodata.Fill(0);
    yokosakuzudata.Fill({});
    yomikomiyoko();
    yomikomiyokomei();

    for (int i = 1; i <= sokutensuu; ++i)
        for (int c = 1; c <= 10; ++c) ASSERT_EQ(yokodata(i, c), numbers(i, c)) << i << "," << c;
    for (int i = 1; i <= 200; ++i)
        for (int c = 1; c <= 6; ++c) ASSERT_EQ(yokosakuzudata(i, c), texts(i, c)) << i << "," << c;
}

TEST_F(SheetTest, CrossSlopeCellsOfBlanksAreEmpty) {
    sokutensuu = 1;
    Put(kCrossSlopeSheet, "A5", "  ");
    Put(kCrossSlopeSheet, "B5", " 3.5 ");
    Put(kCrossSlopeSheet, "K5", " 現況1 ");
    yomikomiyoko();
    yomikomiyokomei();
    EXPECT_EQ(yokodata(1, 1), kEmpty);
    EXPECT_EQ(yokodata(1, 2), 3.5f);
    EXPECT_EQ(yokodata(1, 3), kEmpty);
    EXPECT_EQ(yokosakuzudata(1, 1), " 現況1 "); // texts as they stand
    EXPECT_TRUE(Messages().empty());
}

TEST_F(SheetTest, CrossSlopeCellThatIsNoNumberIsReportedAndNothingIsTaken) {
    sokutensuu = 2;
    yokodata(1, 1) = 1.25f;
    yokodata(2, 1) = 7;
    Put(kCrossSlopeSheet, "A5", 9.0f);
    Put(kCrossSlopeSheet, "C6", "2%勾配");

    ExpectNotANumber(ReadCrossSlopeNumbers, yomikomiyoko,
                     "横断ｼｰﾄ のセル C6 が数値ではありません。数値に直してください。");

    EXPECT_EQ(yokodata(1, 1), 1.25f);
    EXPECT_EQ(yokodata(2, 1), 7.0f);
}

TEST_F(SheetTest, StationsAndPlannedHeightsAreCopiedIntoTheCrossSlopeTable) {
    sokutensuu = 2;
    tatedata(1, 1) = 20;
    tatedata(1, 5) = 101.5f;
    tatedata(2, 1) = 40;
    tatedata(2, 5) = kEmpty;
    yokodata(1, 4) = 2;
    utsushiyoko();
    EXPECT_EQ(yokodata(1, 5), 20.0f);
    EXPECT_EQ(yokodata(1, 6), 101.5f);
    EXPECT_EQ(yokodata(2, 6), kEmpty);
    EXPECT_EQ(yokodata(1, 4), 2.0f);
}

} // namespace
} // namespace sheets_test
