// 転送 and 読込 of the section point sheets, checked with xlrd.
#include "editor_fixture.h"
#include "tests/support/run_python.h"
#include "vantor/model/bus/profile_tables.h"
#include "vantor/model/bus/section_tables.h"

#include <cstdio>
#include <map>
#include <sstream>
#include <unistd.h>

namespace {

using namespace 縦断bus;
using editors_test::EditorTest;

// Cell "row,column" -> "type<TAB>value" of the sheet from row 7, as xlrd reads the saved book.
std::map<std::string, std::string> SavedPoints(std::string_view sheet) {
    const std::string file = ::testing::TempDir() + "section_points_" + std::to_string(getpid()) + ".xls";
    xlbook->SaveAs(file);
    const std::string out = test_support::RunPython(
        VANTOR_SOURCE_DIR "/tests/vantor/sections/editors/xlrd_points.py '" + file + "' '" + std::string(sheet) + "'");
    std::remove(file.c_str());
    std::map<std::string, std::string> cells;
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);) {
        const auto tab = line.find('\t');
        if (tab != std::string::npos) cells[line.substr(0, tab)] = line.substr(tab + 1);
    }
    return cells;
}

TEST_F(EditorTest, TransferThenReadRoundTripsEveryStationAndADeletedPointStaysDeleted) {
    SetRoad({{0, 10, 10}, {20, 10, 10}});
    OpenDocument();
    genkyouhidari(1, 0, 1) = "1";
    genkyouhidari(1, 0, 2) = "0";
    genkyouhidari(1, 1, 1) = "3";
    genkyouhidari(1, 1, 2) = "-0.5";
    genkyouhidari(1, 2, 1) = "6.25";
    genkyouhidari(1, 2, 2) = "-1";
    genkyouhidari(2, 0, 1) = "2.5"; // station 2: counted afresh, never drawn
    genkyouhidari(2, 0, 2) = "0.1";
    genkyoumigi(2, 0, 1) = "4";
    genkyoumigi(2, 0, 2) = "0.75";
    genkyoumigi(2, 2, 1) = "9"; // after an empty point 2: not written
    現況横断図& screen = Ground();
    screen.転送ボタン_Click();
    auto cells = SavedPoints(kExistingGroundSheet);
    const std::map<std::string, std::string> first = {
        {"7,1", "1\t1"},  {"7,2", "1\t0"},   {"8,1", "1\t3"},   {"8,2", "1\t-0.5"}, {"9,1", "1\t6.25"},
        {"9,2", "1\t-1"}, {"7,5", "1\t2.5"}, {"7,6", "1\t0.1"}, {"7,7", "1\t4"},    {"7,8", "1\t0.75"}};
    EXPECT_EQ(cells, first);
    EXPECT_TRUE(xlbook->Application()->Visible());

    // Point 3 of station 1 deleted in the grid, then 転送 and 読込.
    Type(screen, 4, 0, "");
    Type(screen, 4, 1, "");
    screen.転送ボタン_Click();
    cells = SavedPoints(kExistingGroundSheet);
    EXPECT_EQ(cells.count("9,1") + cells.count("9,2"), 0u);
    EXPECT_EQ(cells.size(), first.size() - 2);
    genkyouhidari(1, 2, 1) = "stale";
    genkyoumigi(2, 2, 1) = "stale";
    screen.読込ボタン_Click();
    EXPECT_TRUE(genkyouhidari(1, 2, 1).empty());
    EXPECT_TRUE(genkyoumigi(2, 2, 1).empty());
    EXPECT_EQ(genkyouhidari(1, 1, 2), "-0.5");
    EXPECT_EQ(genkyoumigi(2, 0, 2), "0.75");
    // 読込 shows station 1 afresh.
    EXPECT_EQ(screen.ShownStation(), 1);
    EXPECT_EQ(screen.測点.Text(), "0");
    EXPECT_TRUE(screen.グリッド.TextMatrix(4, 0).empty());
}

TEST_F(EditorTest, CutFillTransferGoesToItsOwnSheetAndCapsAtFiftyStations) {
    SetRoad({{0, 10, 10}});
    OpenDocument();
    sokutensuu = 60;
    kirimorihidari(50, 0, 1) = "5";
    kirimorimigi(1, 0, 2) = "0.2"; // a height without an offset is no point
    CutFill().転送ボタン_Click();
    const auto cells = SavedPoints(kCutFillSheet);
    EXPECT_EQ(cells, (std::map<std::string, std::string>{{"7,197", "1\t5"}}));
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_NE(Messages()[0].find("50"), std::string::npos);
    EXPECT_TRUE(SavedPoints(kExistingGroundSheet).empty());
}

TEST_F(EditorTest, WithoutAWorkbookNothingIsReadOrWritten) {
    SetRoad({{0, 10, 10}});
    genkyouhidari(1, 0, 1) = "1";
    Ground().読込ボタン_Click();
    Ground().転送ボタン_Click();
    EXPECT_EQ(genkyouhidari(1, 0, 1), "1");
    EXPECT_EQ(Messages().size(), 2u);
}

} // namespace
