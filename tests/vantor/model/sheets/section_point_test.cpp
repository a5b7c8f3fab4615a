// The section-point sheets are read as texts, block by block.
#include "sheet_fixture.h"
#include "vantor/model/bus/profile_tables.h"
#include "vantor/model/bus/section_tables.h"
#include "vantor/model/sheets/section_point_sheets.h"

namespace sheets_test {
namespace {

using namespace 縦断bus;

TEST_F(SheetTest, SectionPointsAreReadAsTextsUpToTheFiftyStationsTheTablesHold) {
    sokutensuu = 55;
    auto sheet = Sheet(kExistingGroundSheet);
    sheet->Cells(7, 1)->SetValue("5.5");    // station 1, point 0, left offset
    sheet->Cells(26, 2)->SetValue(101.25f); // station 1, point 19, left height
    sheet->Cells(8, 3)->SetValue(" 3 ");    // station 1, point 1, right offset
    sheet->Cells(7, 200)->SetValue("9");    // station 50, point 0, right height
    sheet->Cells(27, 1)->SetValue("x");     // below the 20 points
    genkyoumigi(2, 0, 1) = "old";

    yomikomigenkyou();

    EXPECT_EQ(genkyouhidari(1, 0, 1), "5.5");
    EXPECT_EQ(genkyouhidari(1, 19, 2), "101.25");
    EXPECT_EQ(genkyoumigi(1, 1, 1), " 3 ");
    EXPECT_EQ(genkyoumigi(50, 0, 2), "9");
    EXPECT_EQ(genkyoumigi(2, 0, 1), ""); // empty cell, empty text
    EXPECT_EQ(kirimorihidari(1, 0, 1), "");
}

TEST_F(SheetTest, CutFillLinesComeFromTheirOwnSheet) {
    sokutensuu = 2;
    Sheet(kCutFillSheet)->Cells(7, 5)->SetValue("-4.5");
    Sheet(kCutFillSheet)->Cells(9, 8)->SetValue("98.5");
    yomikomikirimori();
    EXPECT_EQ(kirimorihidari(2, 0, 1), "-4.5");
    EXPECT_EQ(kirimorimigi(2, 2, 2), "98.5");
    EXPECT_EQ(genkyouhidari(2, 0, 1), "");
}

} // namespace
} // namespace sheets_test
