// The workbook stream as other programs read it: texts split over the shared-string table's
// records.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "platform/runtime/number_text.h"
#include "platform/workbook/workbook.h"
#include "workbook_fixture.h"

#include "tests/support/run_python.h"

namespace xl::test {
namespace {

using XlsWriterTest = WorkbookTest;

std::string Repeat(const std::string& piece, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) out += piece;
    return out;
}

// The table's first record holds 8224 bytes: 8 of counts, then the first string's count and
// flags (3) and its UTF-16 units of 2 bytes each. "測" and n letters put a character after
// them at byte 11 + 2 (n + 1), so n = 4104 leaves room for one unit of a pair only.
TEST_F(XlsWriterTest, CharactersOutsideTheBasicPlaneAreNeverSplitOverRecords) {
    const std::string kEmoji = "\xF0\x9F\x98\x80"; // U+1F600
    const std::string kKanji = "\xF0\xA0\xAE\xB7"; // U+20BB7, 𠮷
    struct Case {
        const char* what;
        std::vector<std::string> cells; // column A, from row 1
    };
    const Case cases[] = {
        {"pair ends the record", {"測" + Repeat("a", 4103) + kEmoji}},
        {"pair across the boundary", {"測" + Repeat("a", 4104) + kEmoji}},
        {"pair starts the next record", {"測" + Repeat("a", 4105) + kEmoji}},
        {"pair first in a string across the boundary", {"測" + Repeat("a", 4103), kEmoji + "b"}},
        {"pairs only, over three records", {Repeat(kKanji, 5000)}},
    };
    const std::string check = R"(
import json, sys, xlrd
sheet = xlrd.open_workbook(sys.argv[1]).sheet_by_index(0)
got = [sheet.cell_value(r, 0) for r in range(sheet.nrows)]
want = json.load(open(sys.argv[2], encoding="utf-8"))
assert got == want, [(len(g), len(w)) for g, w in zip(got, want)]
print("ok")
)";
    std::ofstream(Path("check.py")) << check;
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string file = Path("case" + rt::CStr(++n) + ".xls");
        const std::string expected = Path("case" + rt::CStr(n) + ".json");
        auto book = CreateObject("Excel.sheet");
        std::ofstream json(expected);
        json << "[";
        for (std::size_t r = 0; r < c.cells.size(); ++r) {
            book->Worksheets(1)->Cells(static_cast<int>(r) + 1, 1)->SetValue(c.cells[r]);
            json << (r > 0 ? ", \"" : "\"") << c.cells[r] << "\"";
        }
        json << "]";
        json.close();
        book->SaveAs(file);
        book->Application()->Quit();

        EXPECT_EQ(test_support::RunPython(Path("check.py") + " " + file + " " + expected), "ok\n");
        auto bound = GetObject(file);
        for (std::size_t r = 0; r < c.cells.size(); ++r)
            EXPECT_EQ(bound->Worksheets(1)->Cells(static_cast<int>(r) + 1, 1)->Value().Text(), c.cells[r]) << r;
        bound->Application()->Quit();
    }
}

} // namespace
} // namespace xl::test
