// The profile sheet reader and writer.
#include "sheet_fixture.h"
#include "vantor/model/bus/profile_tables.h"
#include "vantor/model/sheets/profile_sheet.h"

namespace sheets_test {
namespace {

using namespace 縦断bus;

class ProfileSheetTest : public SheetTest {};

TEST_F(ProfileSheetTest, WrittenStationsReadBackBeyondRow100) {
    sokutensuu = 120;
    for (int i = 1; i <= sokutensuu; ++i) {
        tatedata(i, 1) = 20.0f * i + 0.1f;
        tatedata(i, 2) = 100.0f + 0.37f * i;
        tatedata(i, 3) = i % 5 == 0 ? 101.25f + i : kEmpty;
        tatedata(i, 4) = i % 10 == 0 ? 40.0f : kEmpty;
    }
    const auto written = tatedata;
    EXPECT_TRUE(tensoutate());
    tatedata.Fill(0);
    sokutensuu = 0;
    EXPECT_TRUE(yomikomitate());

    EXPECT_EQ(sokutensuu, 120);
    for (int i = 1; i <= 120; ++i)
        for (int c = 1; c <= 4; ++c) ASSERT_EQ(tatedata(i, c), written(i, c)) << i << "," << c;
}

TEST_F(ProfileSheetTest, WriterCellsAndWhatItLeavesAlone) {
    Put(kProfileSheet, "I6", "要確認"); // the user's remark
    Put(kProfileSheet, "A60", 999.0f);  // a station row from an earlier, longer profile
    sokutensuu = 4;
    const float rows[4][7] = {{12.3f, 102.7f, 101.5f, 40, 101.2f, -1.5f, 2.5f},
                              {40, 99.5f, kEmpty, kEmpty, 99.5f, 0, -0.75f},
                              {60, 98, kEmpty, kEmpty, kEmpty, kEmpty, kEmpty},
                              {80, kEmpty, kEmpty, kEmpty, 98.5f, 98.5f - kEmpty, 1}};
    for (int i = 1; i <= 4; ++i)
        for (int c = 1; c <= 7; ++c) tatedata(i, c) = rows[i - 1][c - 1];

    tensoutate();

    // clang-format off
    const std::vector<std::pair<std::string, std::string>> cells = {
        {"A5", "12.3"}, {"B5", "102.7"}, {"C5", "101.5"}, {"D5", "40"}, {"E5", "101.2"},
        {"F5", "1.5"}, {"G5", ""}, {"H5", "2.5"},          // a cut goes to F
        {"F6", ""}, {"G6", "0"}, {"H6", "-0.75"},           // exactly 0 is a fill of 0
        {"E7", ""}, {"F7", ""}, {"G7", ""}, {"H7", ""},     // nothing computed: empty cells
        {"B8", ""}, {"F8", ""}, {"G8", ""},                 // no ground: no cut or fill
        {"I6", "要確認"}, {"A60", ""}, {"B2", "縦 断 曲 線 計 算 調 書"}, {"I4", "備　考"}};
    // clang-format on
    for (const auto& [cell, text] : cells) EXPECT_EQ(Text(kProfileSheet, cell), text) << cell;
}

// Stations below the rows the table holds are counted wherever they lie, down to the last
// row; blank texts, formats and other columns are no stations.
TEST_F(ProfileSheetTest, StationsPastTheTableAreCountedDownToTheLastRow) {
    Put(kProfileSheet, "A5", 0.0f);
    for (const char* cell : {"A505", "A506", "A600", "A65536"}) Put(kProfileSheet, cell, 1.5f);
    Put(kProfileSheet, "A700", "   ");
    Put(kProfileSheet, "B800", 2.0f);
    Sheet(kProfileSheet)->Range("A900")->Font()->SetSize(22);

    EXPECT_TRUE(yomikomitate());

    EXPECT_EQ(sokutensuu, 1);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_NE(Messages()[0].find("505 行目から先の 4 点は読み込んでいません"), std::string::npos) << Messages()[0];
}

TEST_F(ProfileSheetTest, ReaderTakesLeadingNumbersAndKeepsBlankRowsAsEmptyStations) {
    for (int row = 5; row <= 15; ++row)
        if (row != 11) Sheet(kProfileSheet)->Cells(row, 1)->SetValue(20.0f * (row - 4));
    Put(kProfileSheet, "B5", "12.5m");
    Put(kProfileSheet, "C5", " -.5 %");
    Put(kProfileSheet, "D5", "   ");
    Put(kProfileSheet, "A16", "　 "); // only blanks: not a station

    yomikomitate();

    EXPECT_EQ(sokutensuu, 11);
    EXPECT_EQ(tatedata(1, 2), 12.5f);
    EXPECT_EQ(tatedata(1, 3), -0.5f);
    EXPECT_EQ(tatedata(1, 4), kEmpty);
    for (int c = 1; c <= 4; ++c) EXPECT_EQ(tatedata(7, c), kEmpty);
    EXPECT_EQ(tatedata(11, 1), 220.0f);
}

TEST_F(ProfileSheetTest, ReaderRefusesATextThatBeginsWithNoNumberAndKeepsTheTables) {
    sokutensuu = 1;
    tatedata(1, 1) = 7.5f;
    for (const char* text : {"No.3+10", "abc", "+", ".", "－5"}) {
        Put(kProfileSheet, "A5", 10.0);
        Put(kProfileSheet, "A6", text);
        try {
            yomikomitate();
            ADD_FAILURE() << text << ": no error raised";
        } catch (const rt::Error& e) {
            EXPECT_EQ(e.Number(), rt::errTypeMismatch);
            EXPECT_STREQ(e.what(), "縦断ｼｰﾄ のセル A6 が数値ではありません。数値に直してください。") << text;
        }
        EXPECT_EQ(sokutensuu, 1);
        EXPECT_EQ(tatedata(1, 1), 7.5f);
    }
}

TEST_F(ProfileSheetTest, ReaderRefusesANumberBeyondSinglePrecisionAndKeepsTheTables) {
    sokutensuu = 1;
    tatedata(1, 1) = 7.5f;
    for (const xl::CellValue& huge : {xl::CellValue("1e39"), xl::CellValue(-1e300)}) {
        Put(kProfileSheet, "A5", 10.0);
        Put(kProfileSheet, "A6", 20.0);
        Put(kProfileSheet, "B6", huge);
        try {
            yomikomitate();
            ADD_FAILURE() << "no error raised";
        } catch (const rt::Error& e) {
            EXPECT_EQ(e.Number(), rt::errOverflow);
            EXPECT_STREQ(e.what(), "縦断ｼｰﾄ のセル B6 の数値が大きすぎます。正しい値に直してください。");
        }
        EXPECT_EQ(sokutensuu, 1);
        EXPECT_EQ(tatedata(1, 1), 7.5f);
    }
}

TEST_F(ProfileSheetTest, UsesTheDocumentWorkbookNotTheActiveOne) {
    auto other = xl::CreateObject("Excel.sheet"); // now the active workbook, no profile sheet
    ASSERT_EQ(xlbook->Application()->ActiveWorkbook()->Name(), other->Name());
    sokutensuu = 1;
    tatedata(1, 1) = 7.5f;

    tensoutate();
    tatedata(1, 1) = 0;
    yomikomitate();

    EXPECT_EQ(Text(kProfileSheet, "A5"), "7.5");
    EXPECT_EQ(tatedata(1, 1), 7.5f);
    EXPECT_EQ(other->Worksheets(1)->Cells(5, 1)->Value().Text(), "");
}

} // namespace
} // namespace sheets_test
