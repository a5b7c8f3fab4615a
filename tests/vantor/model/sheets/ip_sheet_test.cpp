// The IP sheet reader and its half of the Save writer.
#include "sheet_fixture.h"
#include "vantor/model/bus/alignment_tables.h"
#include "vantor/model/sheets/ip_sheet.h"

#include <limits>

namespace sheets_test {
namespace {

using namespace 縦断bus;

TEST_F(SheetTest, IpPointsRoundTripUpToTheTableBound) {
    ipsuu = 49; // 51 points: start, 49 IPs, end
    for (int p = 0; p <= 50; ++p) {
        ipx(p) = 1000.0f * p + 12345.5f;
        ipy(p) = -250.25f * p;
        iphankei(p) = p % 3 == 0 ? 0.0f : 150000.0f + p;
    }
    const auto x = ipx, y = ipy, radius = iphankei;

    ASSERT_TRUE(WriteIpSheet());
    EXPECT_EQ(Text(kIpSheet, "A5"), "1");
    EXPECT_EQ(Text(kIpSheet, "B5"), "12.3455");
    EXPECT_EQ(Text(kIpSheet, "E5"), ""); // no curve: empty cell
    EXPECT_EQ(Text(kIpSheet, "E6"), "150.001");
    EXPECT_EQ(Text(kIpSheet, "A55"), "51");
    ipx.Fill(0);
    ipy.Fill(0);
    iphankei.Fill(0);
    ipsuu = 0;

    yomikomiip();

    EXPECT_EQ(ipsuu, 49);
    for (int p = 0; p <= 50; ++p) {
        EXPECT_FLOAT_EQ(ipx(p), x(p)) << p;
        EXPECT_FLOAT_EQ(ipy(p), y(p)) << p;
        EXPECT_FLOAT_EQ(iphankei(p), radius(p)) << p;
    }
}

// Every failure names the sheet and the cell (or the sheet that is missing) and says what to do.
TEST_F(SheetTest, IpSheetFaultsNameTheSheetAndCell) {
    const auto expectRaised = [](void (*run)(), int number, const std::string& text) {
        try {
            run();
            ADD_FAILURE() << text << ": no error raised";
        } catch (const rt::Error& e) {
            EXPECT_EQ(e.Number(), number);
            EXPECT_EQ(std::string(e.what()).rfind(text, 0), 0u) << e.what();
        }
    };
    // A coordinate in metres whose millimetres the tables cannot hold.
    Put(kIpSheet, "B5", 0.0);
    Put(kIpSheet, "C5", 0.0);
    Put(kIpSheet, "B6", 3e38);
    Put(kIpSheet, "C6", 0.0);
    expectRaised(yomikomiip, rt::errOverflow,
                 "ＩＰ座標入力 のセル B6 の数値が大きすぎます。正しい値に直してください。");
    // A point numbered in the text way.
    Put(kIpSheet, "B6", "IP1");
    expectRaised(yomikomiip, rt::errTypeMismatch, "ＩＰ座標入力 のセル B6 が数値ではありません。");
    // A value the spreadsheet refuses to hold.
    ipsuu = 0;
    ipx(1) = std::numeric_limits<float>::infinity();
    expectRaised([] { WriteIpSheet(); }, rt::errApplication, "ＩＰ座標入力 のセル B6 に書き込めませんでした（");
    // The sheet renamed away.
    Sheet(kIpSheet)->SetName("IP");
    expectRaised(yomikomiip, rt::errSubscript, "ブックにシート ＩＰ座標入力 がありません。");
}

TEST_F(SheetTest, IpPointsAreCountedByTheirCoordinates) {
    // As a sheet filled in by hand may hold them: no point numbers, and a row left empty.
    const std::vector<std::vector<xl::CellValue>> rows = {
        {1.5f, 2.5f, ""}, {10.0f, 20.0f, 0.0f}, {"", "", ""}, {"30m", "40", 0.25f}};
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        Sheet(kIpSheet)->Cells(r + 5, 2)->SetValue(rows[r][0]);
        Sheet(kIpSheet)->Cells(r + 5, 3)->SetValue(rows[r][1]);
        Sheet(kIpSheet)->Cells(r + 5, 5)->SetValue(rows[r][2]);
    }

    yomikomiip();

    EXPECT_EQ(ipsuu, 1);
    EXPECT_EQ(ipx(0), 1500.0f);
    EXPECT_EQ(ipy(1), 20000.0f);
    EXPECT_EQ(iphankei(1), 0.0f);
    EXPECT_EQ(ipx(2), 30000.0f);
    EXPECT_EQ(ipy(2), 40000.0f);
    EXPECT_EQ(iphankei(2), 250.0f);
}

TEST_F(SheetTest, IpTotalLengthRowOfTheAlignmentIsNoPoint) {
    ipsuu = 1;
    for (int p = 0; p <= 2; ++p) {
        ipx(p) = 10000.0f * (p + 1);
        ipy(p) = 5000.0f * p;
    }
    ASSERT_TRUE(WriteIpSheet());
    // What the alignment adds: a leg length and, below a blank row, the total length.
    Put(kIpSheet, "F6", 11.18f);
    Put(kIpSheet, "B9", "総延長＝ ");
    Put(kIpSheet, "C9", "22.361m");

    yomikomiip();

    EXPECT_EQ(ipsuu, 1);
    EXPECT_EQ(ipx(2), 30000.0f);
    EXPECT_EQ(ipy(3), 0.0f);
}

// The IP screen's transfer owns rows 5-55: a full list fills them, an empty one empties them;
// what stands below them was never read and stays.
TEST_F(SheetTest, IpTransferOwnsThePointRowsOnly) {
    Put(kIpSheet, "B56", 7.0);
    Put(kIpSheet, "G30", 1.5);
    for (int p = 0; p <= 50; ++p) ipx(p) = 1000.0f * (p + 1);
    ASSERT_TRUE(WriteIpPoints(51));
    EXPECT_EQ(Text(kIpSheet, "A55"), "51");
    EXPECT_EQ(Text(kIpSheet, "B55"), "51");
    EXPECT_EQ(Text(kIpSheet, "G30"), "1.5"); // beside the points: the alignment's own
    ASSERT_TRUE(WriteIpPoints(0));
    for (const char* cell : {"A5", "B5", "C30", "G30", "A55", "B55"}) EXPECT_EQ(Text(kIpSheet, cell), "") << cell;
    EXPECT_EQ(Text(kIpSheet, "B56"), "7");
}

TEST_F(SheetTest, IpSheetWithoutPoints) {
    yomikomiip();
    EXPECT_EQ(ipsuu, -2);
}

} // namespace
} // namespace sheets_test
