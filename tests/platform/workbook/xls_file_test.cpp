// Saving and binding .xls files: our own round trip, xlrd reading our files, our reader on
// files of another writer, and on hand-built record streams.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <fstream>

#include "platform/workbook/biff_records.h"
#include "platform/workbook/compound_file.h"
#include "platform/runtime/number_text.h"
#include "platform/workbook/workbook.h"
#include "platform/workbook/xls_reader.h"
#include "workbook_fixture.h"

#include "tests/support/run_python.h"

namespace xl::test {
namespace {

using XlsFileTest = WorkbookTest;

const std::vector<std::string> kSheetNames = {"切盛ﾗｲﾝ入力ｼｰﾄ", "現況横断ｼｰﾄ", "縦断ｼｰﾄ",  "横断ｼｰﾄ",
                                              "ＩＰ座標入力",   "路肩ｼｰﾄ",     "座標値ｼｰﾄ"};

std::string Script(const char* name) { return std::string(VANTOR_SOURCE_DIR) + "/tests/platform/workbook/" + name; }

// The seven sheets, in the order New leaves them, with values of every kind and formats.
std::shared_ptr<Workbook> SampleBook() {
    auto book = CreateObject("Excel.sheet");
    auto sheets = book->Worksheets();
    sheets->Item(1)->SetName(kSheetNames.back());
    for (int i = static_cast<int>(kSheetNames.size()) - 2; i >= 0; --i) {
        sheets->Add();
        sheets->Item(1)->SetName(kSheetNames[i]);
    }
    auto ws = book->Worksheets("縦断ｼｰﾄ");
    ws->Cells(2, 1)->SetColumnWidth(7);
    ws->Cells(2, 3)->SetColumnWidth(11);
    ws->Range("B2")->Font()->SetSize(22);
    ws->Range("B2")->SetValue("縦 断 曲 線 計 算 調 書");
    ws->Cells(4, 1)->SetValue("測　点");
    auto box = ws->Range("A4:I50");
    for (int edge : {7, 8, 9, 10}) {
        box->Borders(edge)->SetLineStyle(1);
        box->Borders(edge)->SetWeight(2);
        box->Borders(edge)->SetColorIndex(-4105);
    }
    for (int inside : {11, 12}) {
        box->Borders(inside)->SetLineStyle(1);
        box->Borders(inside)->SetWeight(1);
        box->Borders(inside)->SetColorIndex(-4105);
    }
    ws->Range("A4:I4")->Interior()->SetColorIndex(40);
    ws->Range("A4:I4")->Interior()->SetPattern(1);
    ws->Range("B5:D50")->Interior()->SetColorIndex(36);
    ws->Range("B5:D50")->Interior()->SetPattern(1);
    ws->Cells(5, 1)->SetValue(12.3f);
    ws->Cells(5, 2)->SetValue(1234567.875); // a double that is exactly a float
    ws->Cells(5, 3)->SetValue(0.1);
    ws->Cells(5, 4)->SetValue(-7);
    ws->Cells(5, 5)->SetValue(1LL << 40); // an integer too large for the short form
    ws->Cells(5, 6)->SetValue(3.4e38f);
    ws->Cells(5, 7)->SetValue(-1e-300);
    ws->Cells(5, 8)->SetValue(99999.0f);
    ws->Cells(5, 9)->SetValue(12345.625f); // a single whose double text is short
    ws->Cells(6, 1)->SetValue("12");       // a text of digits stays a text
    auto ip = book->Worksheets("ＩＰ座標入力");
    for (int r = 5; r <= 30; ++r) ip->Cells(r, 1)->SetValue(r - 4);
    ip->Range("b4:d4")->Interior()->SetColorIndex(35);
    ip->Range("b4:d4")->Interior()->SetPattern(1);
    book->Worksheets("横断ｼｰﾄ")->Range("A３:p105")->Borders(8)->SetLineStyle(1);
    book->Worksheets("現況横断ｼｰﾄ")->Cells(7, 1)->SetValue("-3.5");
    return book;
}

struct CellDump {
    ValueKind kind;
    std::string text;
    double size;
    int lines[4], weights[4];
    int fill, pattern;
    bool operator==(const CellDump&) const = default;
};

// Every property the tests compare, of the cells in A1:Q106 and widths of A..Q.
std::vector<std::pair<std::string, CellDump>> Dump(const std::shared_ptr<Workbook>& book) {
    std::vector<std::pair<std::string, CellDump>> out;
    for (int s = 1; s <= book->Worksheets()->Count(); ++s) {
        auto ws = book->Worksheets(s);
        for (int r = 1; r <= 106; ++r)
            for (int c = 1; c <= 17; ++c) {
                auto cell = ws->Cells(r, c);
                CellDump d{cell->Value().Kind(),           cell->Value().Text(),       cell->Font()->Size(), {}, {},
                           cell->Interior()->ColorIndex(), cell->Interior()->Pattern()};
                for (int e = 0; e < 4; ++e) {
                    d.lines[e] = cell->Borders(7 + e)->LineStyle();
                    d.weights[e] = cell->Borders(7 + e)->Weight();
                }
                out.push_back({ws->Name() + "!" + rt::CStr(r) + "," + rt::CStr(c), d});
            }
        for (int c = 1; c <= 17; ++c)
            out.push_back({ws->Name() + " width " + rt::CStr(c),
                           CellDump{ValueKind::Empty, "", ws->Cells(1, c)->ColumnWidth(), {}, {}, 0, 0}});
    }
    return out;
}

TEST_F(XlsFileTest, SavedWorkbookBindsAgainWithEverythingEqual) {
    auto book = SampleBook();
    auto before = Dump(book);
    book->SaveAs(Path("round.xls"));
    EXPECT_EQ(book->Name(), "round.xls");
    book->Application()->Quit();

    auto again = GetObject(Path("round.xls"));
    std::vector<std::string> names;
    for (int i = 1; i <= again->Worksheets()->Count(); ++i) names.push_back(again->Worksheets(i)->Name());
    EXPECT_EQ(names, kSheetNames);
    auto after = Dump(again);
    ASSERT_EQ(after.size(), before.size());
    for (std::size_t i = 0; i < before.size(); ++i) EXPECT_EQ(after[i].second, before[i].second) << before[i].first;

    auto ws = again->Worksheets("縦断ｼｰﾄ");
    EXPECT_EQ(ws->Cells(5, 1)->Value().Kind(), ValueKind::Single);
    EXPECT_EQ(ws->Cells(5, 1)->Value().Text(), "12.3");
    EXPECT_EQ(ws->Cells(5, 2)->Value().Text(), "1234567.875");
    EXPECT_EQ(ws->Cells(5, 3)->Value().Double(), 0.1);
    EXPECT_EQ(ws->Cells(5, 5)->Value().Kind(), ValueKind::Integer);
    EXPECT_EQ(ws->Cells(5, 9)->Value().Kind(), ValueKind::Single);
    EXPECT_EQ(ws->Cells(5, 9)->Value().Text(), "12345.62");
    EXPECT_EQ(ws->Cells(5, 7)->Value().Double(), -1e-300);
    EXPECT_EQ(again->ActiveSheet()->Name(), kSheetNames.front());
}

TEST_F(XlsFileTest, BindingTheSameFileAgainGivesTheOpenWorkbook) {
    auto book = SampleBook();
    book->SaveAs(Path("same.xls"));
    book->Worksheets(1)->Cells(1, 1)->SetValue("unsaved");
    auto bound = GetObject(Path("same.xls"));
    EXPECT_EQ(bound->Worksheets(1)->Cells(1, 1)->Value().Text(), "unsaved");
}

TEST_F(XlsFileTest, XlrdReadsSheetsValuesAndFormatsWeWrote) {
    SampleBook()->SaveAs(Path("check.xls"));
    test_support::RunPython(Script("xlrd_dump.py") + " " + Path("check.xls") + " > " + Path("dump.json"));
    std::string check =
        R"(
import json, struct, sys
d = json.load(open(sys.argv[1]))
assert [s["name"] for s in d] == )"
        "[\"切盛ﾗｲﾝ入力ｼｰﾄ\", \"現況横断ｼｰﾄ\", \"縦断ｼｰﾄ\", \"横断ｼｰﾄ\", \"ＩＰ座標入力\", \"路肩ｼｰﾄ\", \"座標値ｼｰﾄ\"]"
        R"(, d
t = [s for s in d if s["name"] == "縦断ｼｰﾄ"][0]
c = t["cells"]
assert c["2,2"]["value"] == "縦 断 曲 線 計 算 調 書" and c["2,2"]["size"] == 22, c["2,2"]
assert c["4,1"]["value"] == "測　点" and c["4,1"]["size"] == 11
assert c["5,1"]["value"] == struct.unpack("f", struct.pack("f", 12.3))[0], c["5,1"]
assert c["5,1"]["type"] == 2 and c["5,1"]["format"] == "General;-General", c["5,1"]
assert c["5,3"]["value"] == 0.1 and c["5,4"]["value"] == -7 and c["5,5"]["value"] == 2**40
assert c["6,1"]["type"] == 1 and c["6,1"]["value"] == "12"
# left, top, bottom, right: thin (1) on the box edges, hair (7) inside; automatic colour 64
assert c["4,1"]["lines"] == [1, 1, 7, 7] and c["50,9"]["lines"] == [7, 7, 1, 1], (c["4,1"], c["50,9"])
assert c["20,5"]["lines"] == [7, 7, 7, 7] and c["4,1"]["colours"] == [64, 64, 64, 64]
assert c["4,1"]["pattern"] == 1 and c["4,1"]["fill"] == 40 + 7
assert c["5,2"]["pattern"] == 1 and c["5,2"]["fill"] == 36 + 7 and c["5,1"]["pattern"] == 0
# (characters * 7 pixels + 5 pixels padding) / 7 pixels, in 1/256, cut to a whole unit
assert t["widths"] == {"1": 1974, "3": 2998}, t["widths"]
# the 22-point title row 26.25 points high and marked as set; plain rows 13.5 points
assert t["rows"]["2"] == [525, 1] and t["rows"]["4"] == [270, 0] and t["rows"]["50"] == [270, 0], t["rows"]
assert "1" not in t["rows"] and "51" not in t["rows"]
y = [s for s in d if s["name"] == "横断ｼｰﾄ"][0]["cells"]
assert y["3,16"]["lines"][1] == 1 and "4,1" not in y
print("ok")
)";
    std::ofstream(Path("check.py")) << check;
    EXPECT_EQ(test_support::RunPython(Path("check.py") + " " + Path("dump.json")), "ok\n");
}

TEST_F(XlsFileTest, WorkbookWrittenByXlwtIsRead) {
    test_support::RunPython(Script("xlwt_make.py") + " " + Path("xlwt.xls"));
    auto book = GetObject(Path("xlwt.xls"));
    ASSERT_EQ(book->Worksheets()->Count(), 2);
    auto ws = book->Worksheets("外部");
    EXPECT_EQ(ws->Cells(1, 1)->Value().Text(), "abc");
    EXPECT_EQ(ws->Cells(1, 2)->Value().Double(), 0.1);
    EXPECT_EQ(ws->Cells(1, 2)->Value().Text(), "0.1");
    EXPECT_EQ(ws->Cells(1, 3)->Value().Text(), "42");
    EXPECT_EQ(ws->Cells(2, 1)->Value().Text(), "ｼｰﾄ 縦断");
    EXPECT_EQ(ws->Cells(2, 2)->Value().Double(), -1234567.25);
    EXPECT_EQ(ws->Cells(3, 1)->Value().Text(), std::string(9000, 'x')); // split over CONTINUE
    EXPECT_EQ(ws->Cells(4, 1)->Value().Text(), std::string(9000, 'x'));
    EXPECT_EQ(ws->Cells(600, 2)->Value().Text(), "row 599 テキスト");
    EXPECT_EQ(ws->Cells(6, 6)->Font()->Size(), 22);
    EXPECT_EQ(ws->Cells(6, 6)->Borders(xlEdgeTop)->LineStyle(), xlContinuous);
    EXPECT_EQ(ws->Cells(1, 1)->ColumnWidth(), 11); // 3000 / 256 less 5 / 7 of padding
    // Plain numbers of another writer keep every digit they have.
    auto two = book->Worksheets("Two");
    const char* texts[] = {"2.5", "12345.625", "1234567.5", "20000000"};
    for (int c = 1; c <= 4; ++c) {
        EXPECT_EQ(two->Cells(1, c)->Value().Text(), texts[c - 1]);
        EXPECT_EQ(two->Cells(1, c)->Value().Kind(), ValueKind::Double);
    }

    // A row height the file sets is kept when the workbook is saved again.
    book->SaveAs(Path("again.xls"));
    std::string check = R"(
import json, sys
d = json.load(open(sys.argv[1]))
rows = d[0]["rows"]
assert rows["10"] == [600, 1] and rows["6"] == [525, 1] and rows["1"] == [270, 0], rows
assert d[0]["widths"]["1"] == 2998, d[0]["widths"]
print("ok")
)";
    test_support::RunPython(Script("xlrd_dump.py") + " " + Path("again.xls") + " > " + Path("dump.json"));
    std::ofstream(Path("check.py")) << check;
    EXPECT_EQ(test_support::RunPython(Path("check.py") + " " + Path("dump.json")), "ok\n");
}

// A workbook stream assembled record by record.
// clang-format off
class StreamBuilder {
public:
    StreamBuilder() {
        detail::biff::Bytes b;
        b.U16(detail::biff::kBiff8); b.U16(detail::biff::kGlobalsType); b.U32(0); b.U32(0); b.U32(0);
        globals_.Put(detail::biff::kBof, b);
    }
    detail::biff::Bytes& Globals() { return globals_; }
    detail::biff::Bytes& Sheet() { return sheet_; }
    std::vector<std::uint8_t> Build(const std::string& name = "S") {
        detail::biff::Bytes out = globals_, b;
        // The sheet follows its list entry (header, 8 bytes, the name) and the end record.
        b.U32(static_cast<std::uint32_t>(out.Size() + 4 + 8 + name.size() + 4));
        b.U8(0); b.U8(0); b.U8(static_cast<unsigned>(name.size())); b.U8(0);
        for (char ch : name) b.U8(static_cast<unsigned char>(ch));
        out.Put(detail::biff::kBoundSheet, b);
        out.Put(detail::biff::kEof, detail::biff::Bytes());
        b = detail::biff::Bytes();
        b.U16(detail::biff::kBiff8); b.U16(detail::biff::kWorksheetType); b.U32(0); b.U32(0); b.U32(0);
        out.Put(detail::biff::kBof, b);
        out.Append(sheet_);
        out.Put(detail::biff::kEof, detail::biff::Bytes());
        return std::move(out.Data());
    }

private:
    detail::biff::Bytes globals_, sheet_;
};

void CellHeader(detail::biff::Bytes& b, int row, int col) { b.U16(row); b.U16(col); b.U16(0); }
// clang-format on

TEST(XlsRecordsTest, CellRecordsOfOtherWritersAreRead) {
    StreamBuilder s;
    detail::biff::Bytes b;
    // clang-format off
    // Shared strings: "ab" compressed, then "縦断" split over a CONTINUE after one character.
    b.U32(2); b.U32(2);
    b.U16(2); b.U8(0); b.U8('a'); b.U8('b');
    b.U16(2); b.U8(1); b.U16(u'縦');
    s.Globals().Put(detail::biff::kSst, b);
    b = detail::biff::Bytes(); b.U8(1); b.U16(u'断');
    s.Globals().Put(detail::biff::kContinue, b);

    b = detail::biff::Bytes(); CellHeader(b, 0, 0); b.U32(1);
    s.Sheet().Put(detail::biff::kLabelSst, b);
    b = detail::biff::Bytes(); CellHeader(b, 0, 1); b.U32(100 << 2 | 0x2 | 0x1); // 100 / 100 as integer RK
    s.Sheet().Put(detail::biff::kRk, b);
    b = detail::biff::Bytes(); b.U16(1); b.U16(2);                             // MULRK C2:D2
    b.U16(0); b.U32(5 << 2 | 0x2);
    b.U16(0); b.U32(static_cast<std::uint32_t>(std::bit_cast<std::uint64_t>(2.5) >> 32));
    b.U16(3);
    s.Sheet().Put(detail::biff::kMulRk, b);
    b = detail::biff::Bytes(); CellHeader(b, 2, 0); b.F64(-0.75); b.U16(0); b.U32(0); b.U16(0);
    s.Sheet().Put(detail::biff::kFormula, b);                                   // cached number
    b = detail::biff::Bytes(); CellHeader(b, 2, 1);
    b.U8(0); b.U8(0); b.U8(0); b.U8(0); b.U8(0); b.U8(0); b.U8(0xFF); b.U8(0xFF);
    b.U16(0); b.U32(0); b.U16(0);
    s.Sheet().Put(detail::biff::kFormula, b);                                   // cached text follows
    b = detail::biff::Bytes(); b.U16(3); b.U8(0); b.U8('x'); b.U8('y'); b.U8('z');
    s.Sheet().Put(detail::biff::kString, b);
    b = detail::biff::Bytes(); CellHeader(b, 3, 0); b.U16(2); b.U8(1); b.U16(u'ｼ'); b.U16(u'ｰ');
    s.Sheet().Put(detail::biff::kLabel, b);
    // clang-format on

    auto stream = s.Build();
    auto book = detail::ParseWorkbookStream(stream, "made.xls");
    ASSERT_EQ(book.sheets.size(), 1u);
    auto text = [&](int r, int c) { return book.sheets[0].cells.Value(r, c).Text(); };
    EXPECT_EQ(text(1, 1), "縦断");
    EXPECT_EQ(text(1, 2), "1");
    EXPECT_EQ(text(2, 3), "5");
    EXPECT_EQ(text(2, 4), "2.5");
    EXPECT_EQ(text(3, 1), "-0.75");
    EXPECT_EQ(text(3, 2), "xyz");
    EXPECT_EQ(text(4, 1), "ｼｰ");
}

} // namespace
} // namespace xl::test

namespace xl::test {
namespace {

// clang-format off
void Xf(detail::biff::Bytes& globals, int numberFormat) {
    detail::biff::Bytes b;
    b.U16(0); b.U16(static_cast<unsigned>(numberFormat));
    for (int k = 0; k < 16; ++k) b.U8(0);
    globals.Put(detail::biff::kXf, b);
}

void Format(detail::biff::Bytes& globals, int index, const std::string& code) {
    detail::biff::Bytes b;
    b.U16(static_cast<unsigned>(index)); b.U16(static_cast<unsigned>(code.size())); b.U8(0);
    for (char ch : code) b.U8(static_cast<unsigned char>(ch));
    globals.Put(detail::biff::kFormat, b);
}

void Number(detail::biff::Bytes& sheet, int row, int col, int xf, double v) {
    detail::biff::Bytes b;
    b.U16(static_cast<unsigned>(row)); b.U16(static_cast<unsigned>(col)); b.U16(static_cast<unsigned>(xf));
    b.F64(v);
    sheet.Put(detail::biff::kNumber, b);
}
// clang-format on

// Earlier versions of the program marked singles with a format "General" of their own, which
// is what other programs write for every plain number: such a number is a single only when
// its value is a widened single. The program's own mark now is a format no other writer uses.
TEST(XlsRecordsTest, SinglesAreTakenOnlyFromTheProgramsOwnMark) {
    StreamBuilder s;
    Format(s.Globals(), 164, "General");
    Format(s.Globals(), 165, "General;-General");
    Xf(s.Globals(), 164);
    Xf(s.Globals(), 165);
    struct Case {
        int xf;
        double value;
        ValueKind kind;
        const char* text;
    } cases[] = {
        {0, static_cast<double>(12.3f), ValueKind::Single, "12.3"},
        {0, static_cast<double>(-0.1f), ValueKind::Single, "-0.1"},
        {0, 12345.625, ValueKind::Double, "12345.625"},
        {0, 1234567.5, ValueKind::Double, "1234567.5"},
        {0, 20000000, ValueKind::Double, "20000000"},
        {0, 0.1, ValueKind::Double, "0.1"},
        {1, 12345.625, ValueKind::Single, "12345.62"},
        {1, 20000000, ValueKind::Single, "2E+07"},
        {1, 0.1, ValueKind::Double, "0.1"}, // no single: kept as the double it is
    };
    for (int i = 0; i < static_cast<int>(std::size(cases)); ++i) Number(s.Sheet(), i, 0, cases[i].xf, cases[i].value);
    auto book = detail::ParseWorkbookStream(s.Build(), "made.xls");
    for (int i = 0; i < static_cast<int>(std::size(cases)); ++i) {
        CellValue v = book.sheets[0].cells.Value(i + 1, 1);
        EXPECT_EQ(v.Kind(), cases[i].kind) << cases[i].text;
        EXPECT_EQ(v.Text(), cases[i].text);
    }
}

// Widths in the file count the cell padding in: the default 8.43 characters are stored as
// 2340 (9.14 characters), as other programs write every column.
TEST(XlsRecordsTest, ColumnWidthsLeaveOutTheCellPadding) {
    StreamBuilder s;
    detail::biff::Bytes b;
    // clang-format off
    b.U16(0); b.U16(255); b.U16(2340); b.U16(15); b.U16(0); b.U16(0);
    s.Sheet().Put(detail::biff::kColInfo, b);
    b = detail::biff::Bytes();
    b.U16(2); b.U16(2); b.U16(0); b.U16(15); b.U16(1); b.U16(0); // hidden
    s.Sheet().Put(detail::biff::kColInfo, b);
    // clang-format on
    auto book = detail::ParseWorkbookStream(s.Build(), "made.xls");
    const auto& widths = book.sheets[0].columnWidths;
    EXPECT_EQ(widths.at(1), 8.43);
    EXPECT_EQ(widths.at(256), 8.43);
    EXPECT_EQ(widths.at(3), 0);
}

} // namespace
} // namespace xl::test
