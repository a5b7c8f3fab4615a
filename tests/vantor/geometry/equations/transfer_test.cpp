#include "platform/forms/script.h"
#include "platform/workbook/workbook.h"
#include "vantor/geometry/equations/hyoujihouteishiki.h"
#include "vantor/geometry/equations/方程式画面.h"
#include "vantor/model/bus/profile_tables.h"
#include "vantor/model/document.h"
#include "vantor/model/縦断bus.h"

#include "tests/support/program_reset.h"
#include "tests/support/run_python.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

using namespace 縦断bus;

namespace {

class CurveEquationsTransfer : public ::testing::Test {
protected:
    void SetUp() override { test_support::ResetProgram(); }
    void TearDown() override { test_support::ResetProgram(); }
};

} // namespace

TEST_F(CurveEquationsTransfer, RowsBelowTheStationsReadBackFromTheFile) {
    xlbook = xl::CreateObject("Excel.sheet");
    xlsheets = xlbook->Worksheets();
    xlsheets->Item(1)->SetName("縦断ｼｰﾄ");
    sokutensuu = 20;
    kyokusensuu = 2;
    keisuua(1) = -0.00025f, keisuub(1) = 0.055f, keisuuc(1) = 46.775f, vcb(1) = 70, vce(1) = 130;
    keisuua(2) = 0.5f, keisuub(2) = -1.5f, keisuuc(2) = 12.25f, vcb(2) = 200, vce(2) = 240;
    hyoujihouteishiki();
    // Another workbook made active in the spreadsheet does not receive the rows.
    auto other = xl::CreateObject("Excel.sheet");
    other->Worksheets()->Item(1)->SetName("縦断ｼｰﾄ");
    other->Worksheets()->Item(1)->Select();
    forms::Get<方程式画面>().転送_Click();
    EXPECT_TRUE(forms::script::Messages().empty());
    EXPECT_TRUE(other->Worksheets()->Item(1)->Cells(29, 2)->Value().Text().empty());

    const std::string path = (std::filesystem::temp_directory_path() / "curve_equations_transfer.xls").string();
    xlbook->SaveAs(path);
    const std::string cells =
        test_support::RunPython("-c \"import xlrd,sys; s=xlrd.open_workbook(sys.argv[1]).sheet_by_name("
                                "'縦断ｼｰﾄ'); [print(r + 1, s.cell_value(r, 1), '|', s.cell_value(r, 7)) for r in range("
                                "s.nrows) if s.cell_value(r, 1)]\" " +
                                path);
    EXPECT_EQ(cells, "29 " + houteishikimoji(1) +
                         " | （区間 No 70～ No 130)\n"
                         "30 " +
                         houteishikimoji(2) + " | （区間 No 200～ No 240)\n");
    xlbook->Application()->Quit();
    ReleaseDocument();
}

TEST_F(CurveEquationsTransfer, NoWorkbookIsSaid) {
    kyokusensuu = 1;
    hyoujihouteishiki();
    forms::Get<方程式画面>().転送_Click();
    ASSERT_EQ(forms::script::Messages().size(), 1u);
    EXPECT_EQ(forms::script::Messages()[0].prompt.rfind(kHouteishikiTensouDekinai, 0), 0u);
}
