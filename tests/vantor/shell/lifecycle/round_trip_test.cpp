// New, a profile typed into the grid, Save, End; a new run opens the file and shows the same.
#include "lifecycle_fixture.h"

#include "tests/support/run_python.h"
#include "vantor/geometry/alignment/plan_alignment.h"
#include "vantor/model/bus/alignment_tables.h"
#include "vantor/model/bus/coordinate_tables.h"
#include "vantor/model/bus/document_state.h"
#include "vantor/model/bus/profile_tables.h"
#include "vantor/model/bus/section_tables.h"
#include "vantor/model/bus/station_tables.h"
#include "vantor/model/sheet_names.h"

#include <map>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

namespace lifecycle_test {
namespace {

using namespace 縦断bus;

std::vector<std::string> GridRows(int rows) {
    std::vector<std::string> texts;
    for (int r = 1; r <= rows; ++r) {
        std::string line;
        for (int c = 0; c < 8; ++c) line += forms::Get<入出力画面>().グリッド.TextMatrix(r, c) + "|";
        texts.push_back(line);
    }
    return texts;
}

std::string ProfileReadByXlrd(const std::string& file) {
    return test_support::RunPython(VANTOR_SOURCE_DIR "/tests/vantor/shell/lifecycle/read_profile.py '" + file + "'");
}

// Every table a document is read into.
auto DocumentTables() {
    return std::make_tuple(sokutensuu, tatedata, yokodata, yokosakuzudata, rokatadata, ipsuu, ipx, ipy, iphankei,
                           genkyouhidari, genkyoumigi, kirimorihidari, kirimorimigi, zahyoudata, zahyousuu);
}

TEST_F(LifecycleTest, NewDocumentSavedUnchangedOpensSilentlyAndTheSame) {
    shinki();
    const auto made = DocumentTables();
    const auto shown = GridRows(100);
    const std::string path = PathOf("empty.xls");
    forms::script::QueueFileName(path);
    hozon();
    ASSERT_TRUE(forms::script::Messages().empty()) << LastMessage();

    Restart();
    Open(path);
    EXPECT_TRUE(forms::script::Messages().empty()) << LastMessage();
    EXPECT_EQ(ipsuu, -2);
    EXPECT_EQ(sokutensuu, 100);
    EXPECT_TRUE(DocumentTables() == made);
    EXPECT_EQ(GridRows(100), shown);
}

TEST_F(LifecycleTest, ProfileTypedIntoANewDocumentComesBackFromItsFile) {
    shinki();
    const std::vector<std::array<const char*, 3>> entered = {
        {"0", "47", "48"}, {"70", "48", ""},  {"85", "49", ""},     {"100", "49.5", "50"},
        {"130", "49", ""}, {"150", "48", ""}, {"200", "47.5", "49"}};
    for (int r = 0; r < 7; ++r)
        for (int c = 0; c < 3; ++c)
            if (*entered[r][c]) Type(r + 1, c, entered[r][c]);
    Type(4, 3, "60");
    ASSERT_EQ(keikokuflg, 0);

    const char* planned[] = {"48", "49.4", "49.64", "49.78", "49.7", "49.5", "49"};
    const char* fill[] = {"1", "1.4", "0.64", "0.28", "0.7", "1.5", "1.5"};
    const char* gradient[] = {"2", "2", "2", "2", "-1", "-1", "-1"};
    for (int r = 1; r <= 7; ++r) {
        EXPECT_EQ(Cell(r, 4), planned[r - 1]) << r;
        EXPECT_EQ(Cell(r, 5), "") << r;
        EXPECT_EQ(Cell(r, 6), fill[r - 1]) << r;
        EXPECT_EQ(Cell(r, 7), gradient[r - 1]) << r;
    }
    const auto shown = GridRows(7);

    const std::string path = PathOf("crest.xls");
    forms::script::QueueFileName(path);
    hozon();
    ASSERT_TRUE(forms::Get<待表示>().終了ボタン.Visible());
    forms::Get<待表示>().終了ボタン_Click();
    EXPECT_EQ(forms::script::EndCount(), 1);

    Restart();
    Open(path);
    EXPECT_EQ(forms::Get<入出力画面>().グリッド.Rows(), 8);
    EXPECT_EQ(GridRows(7), shown);

    EXPECT_EQ(ProfileReadByXlrd(path), "0\t47\t48\t\t48\n"
                                       "70\t48\t\t\t49.4\n"
                                       "85\t49\t\t\t49.64\n"
                                       "100\t49.5\t50\t60\t49.78\n"
                                       "130\t49\t\t\t49.7\n"
                                       "150\t48\t\t\t49.5\n"
                                       "200\t47.5\t49\t\t49\n");
}

} // namespace
} // namespace lifecycle_test

namespace lifecycle_test {
namespace {

TEST_F(LifecycleTest, DocumentSavedByNewAndSaveOpensSilently) {
    // With no point, and with the start and end point both at (0, 0) as New + Save wrote them
    // while the program started with an empty road of two points.
    for (int ipsuu : {-2, 0}) {
        Restart();
        縦断bus::shinki();
        縦断bus::ipsuu = ipsuu;
        const std::string path = PathOf("new.xls");
        forms::script::QueueFileName(path);
        縦断bus::hozon();
        Restart();
        Open(path);
        EXPECT_TRUE(forms::script::Messages().empty()) << ipsuu << ": " << LastMessage();
        EXPECT_EQ(縦断bus::bukkujoutai, 2);
    }
}

} // namespace
} // namespace lifecycle_test

namespace lifecycle_test {
namespace {

// Stations and IP points past the tables' rows: Open says so and Save leaves those rows as
// they are in the file.
TEST_F(LifecycleTest, RowsPastTheTablesAreReportedOnOpenAndKeptBySave) {
    const std::string path = SavedDocument("long.xls", kCrest);
    {
        auto book = xl::GetObject(path);
        auto profile = book->Worksheets("縦断ｼｰﾄ");
        for (int row = 5; row <= 506; ++row) {
            profile->Cells(row, 1)->SetValue(10.0 * (row - 5));
            profile->Cells(row, 2)->SetValue(50.0);
        }
        auto ip = book->Worksheets("ＩＰ座標入力");
        for (int row = 5; row <= 57; ++row) {
            ip->Cells(row, 1)->SetValue(row - 4);
            ip->Cells(row, 2)->SetValue(100.0 * (row - 5));
            ip->Cells(row, 3)->SetValue(row % 2 == 0 ? 10.0 : 0.0);
        }
        book->SaveAs(path);
        book->Close();
    }
    Open(path);
    ASSERT_EQ(forms::script::Messages().size(), 2u) << LastMessage();
    const std::string profileNote = forms::script::Messages()[0].prompt;
    const std::string ipNote = forms::script::Messages()[1].prompt;
    for (const char* part : {"縦断ｼｰﾄ", "500 点まで", "505 行目から先の 2 点は読み込んでいません"})
        EXPECT_NE(profileNote.find(part), std::string::npos) << profileNote;
    for (const char* part : {"ＩＰ座標入力", "51 点まで", "56 行目から先の 2 点は読み込んでいません"})
        EXPECT_NE(ipNote.find(part), std::string::npos) << ipNote;
    EXPECT_EQ(sokutensuu, 500);
    EXPECT_EQ(ipsuu, 49);
    // The plan alignment puts its total length below the points that were not read.
    ASSERT_TRUE(ComputePlanAlignment());
    auto held = xlbook->Worksheets("ＩＰ座標入力");
    EXPECT_EQ(held->Range("B57")->Value().Text(), "5200");
    EXPECT_EQ(held->Range("C57")->Value().Text(), "0");
    EXPECT_EQ(held->Range("B59")->Value().Text(), std::string(kTotalLengthLabel));

    const std::string copy = PathOf("copy.xls");
    forms::script::QueueFileName(copy);
    hozon();
    auto saved = xl::GetObject(copy);
    auto profile = saved->Worksheets("縦断ｼｰﾄ");
    EXPECT_EQ(profile->Range("A504")->Value().Text(), "4990");
    EXPECT_EQ(profile->Range("A506")->Value().Text(), "5010");
    EXPECT_EQ(profile->Range("B506")->Value().Text(), "50");
    auto ip = saved->Worksheets("ＩＰ座標入力");
    EXPECT_EQ(ip->Range("B55")->Value().Text(), "5000");
    EXPECT_EQ(ip->Range("B57")->Value().Text(), "5200");
    EXPECT_EQ(ip->Range("C57")->Value().Text(), "0");
    EXPECT_EQ(ip->Range("B59")->Value().Text(), "");
}

// Rows of 横断ｼｰﾄ below the stations' rows: Open says so and Save keeps them.
TEST_F(LifecycleTest, CrossSlopeRowsPastTheStationsAreReportedOnOpenAndKeptBySave) {
    const std::string path = SavedDocument("cross.xls", kCrest); // 7 stations: rows 5 .. 11
    {
        auto book = xl::GetObject(path);
        auto sheet = book->Worksheets("横断ｼｰﾄ");
        for (int row = 14; row <= 15; ++row) {
            sheet->Cells(row, 2)->SetValue(3.5);
            sheet->Cells(row, 11)->SetValue(std::string("GEN9"));
        }
        book->SaveAs(path);
        book->Close();
    }
    Open(path);
    ASSERT_EQ(forms::script::Messages().size(), 1u);
    const std::string note = forms::script::Messages()[0].prompt;
    for (const char* part : {"横断ｼｰﾄ", "（7 点）", "12 行目から先の 2 行は読み込んでいません"})
        EXPECT_NE(note.find(part), std::string::npos) << note;

    const std::string copy = PathOf("cross-copy.xls");
    forms::script::QueueFileName(copy);
    hozon();
    auto sheet = xl::GetObject(copy)->Worksheets("横断ｼｰﾄ");
    for (const char* cell : {"B14", "B15"}) EXPECT_EQ(sheet->Range(cell)->Value().Text(), "3.5") << cell;
    for (const char* cell : {"K14", "K15"}) EXPECT_EQ(sheet->Range(cell)->Value().Text(), "GEN9") << cell;
}

} // namespace
} // namespace lifecycle_test

namespace lifecycle_test {
namespace {

// The texts of `cells` of `sheet` in the file, as xlrd reads them (empty for an empty cell).
std::map<std::string, std::string> CellsReadByXlrd(const std::string& file, const std::string& sheet,
                                                   const std::vector<std::string>& cells) {
    std::string arguments = VANTOR_SOURCE_DIR "/tests/vantor/model/sheets/xlrd_cells.py '" + file + "'";
    for (const auto& cell : cells) arguments += " '" + sheet + "!" + cell + "'";
    std::map<std::string, std::string> texts;
    std::istringstream lines(test_support::RunPython(arguments));
    for (std::string line; std::getline(lines, line);) {
        const auto bang = line.find('!'), tab = line.find('\t');
        if (bang != std::string::npos && tab != std::string::npos)
            texts[line.substr(bang + 1, tab - bang - 1)] = line.substr(tab + 1);
    }
    return texts;
}

// New in a workbook opened with reference points (more than the 20 read): the points are gone
// from the tables, from the file Save writes and from the next Open; what else 座標値ｼｰﾄ holds
// stays with the workbook.
TEST_F(LifecycleTest, NewInAHeldWorkbookLeavesNoReferencePointsToSaveOrOpen) {
    const std::string path = SavedDocument("points.xls", kCrest);
    {
        auto book = xl::GetObject(path);
        auto sheet = book->Worksheets(kCoordinateSheet);
        for (int row = 5; row <= 26; ++row)
            for (int column = 7; column <= 10; ++column) sheet->Cells(row, column)->SetValue(100.0 * row + column);
        sheet->Cells(5, 2)->SetValue(20.0);                   // a station's coordinates
        sheet->Cells(53, 2)->SetValue(std::string("旧路線")); // the converted points' name
        sheet->Cells(56, 7)->SetValue(12.5);                  // a road-edge table's column G
        book->SaveAs(path);
        book->Close();
    }
    Open(path);
    ASSERT_EQ(zahyousuu, 20);

    shinki();
    EXPECT_EQ(zahyousuu, 0);
    const std::string copy = PathOf("copy.xls");
    forms::script::QueueFileName(copy);
    hozon();
    Restart();
    Open(copy);
    EXPECT_TRUE(forms::script::Messages().empty()) << LastMessage();
    EXPECT_EQ(zahyousuu, 0);

    std::vector<std::string> referencePoints;
    for (int row = 5; row <= 52; ++row)
        for (const char* column : {"G", "H", "I", "J"}) referencePoints.push_back(column + std::to_string(row));
    std::vector<std::string> asked = referencePoints;
    asked.insert(asked.end(), {"B5", "B53", "G56"});
    const auto cells = CellsReadByXlrd(copy, std::string(kCoordinateSheet), asked);
    ASSERT_EQ(cells.size(), asked.size());
    for (const auto& cell : referencePoints) EXPECT_EQ(cells.at(cell), "") << cell;
    EXPECT_EQ(cells.at("B5"), "20");
    EXPECT_EQ(cells.at("B53"), "旧路線");
    EXPECT_EQ(cells.at("G56"), "12.5");
}

} // namespace
} // namespace lifecycle_test
