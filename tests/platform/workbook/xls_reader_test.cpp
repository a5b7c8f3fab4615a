// Reading workbook streams: texts another writer split inside a surrogate pair, and the sheets'
// names.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/runtime/error.h"
#include "platform/workbook/biff_records.h"
#include "platform/workbook/xls_reader.h"
#include "platform/workbook/xls_writer.h"

namespace xl::test {
namespace {

namespace biff = detail::biff;

// A stream of the workbook's records `globals` (after its BOF) and one sheet "S" holding the
// shared string 0 in A1.
std::vector<std::uint8_t> OneSheetStream(const biff::Bytes& globals) {
    // clang-format off
    biff::Bytes out, b;
    b.U16(biff::kBiff8); b.U16(biff::kGlobalsType); b.U32(0); b.U32(0); b.U32(0);
    out.Put(biff::kBof, b);
    out.Append(globals);
    b = biff::Bytes();
    b.U32(static_cast<std::uint32_t>(out.Size() + 4 + 9 + 4)); // past this entry and the EOF
    b.U8(0); b.U8(0); b.U8(1); b.U8(0); b.U8('S');
    out.Put(biff::kBoundSheet, b);
    out.Put(biff::kEof, biff::Bytes());
    b = biff::Bytes();
    b.U16(biff::kBiff8); b.U16(biff::kWorksheetType); b.U32(0); b.U32(0); b.U32(0);
    out.Put(biff::kBof, b);
    b = biff::Bytes();
    b.U16(0); b.U16(0); b.U16(0); b.U32(0);
    out.Put(biff::kLabelSst, b);
    out.Put(biff::kEof, biff::Bytes());
    // clang-format on
    return std::move(out.Data());
}

TEST(XlsReaderTest, SurrogatePairSplitOverAContinueIsJoined) {
    // clang-format off
    // "a" U+1F600 "b", wide, split between the pair's two units; the continuation restates
    // the width.
    biff::Bytes globals, b;
    b.U32(1); b.U32(1);
    b.U16(4); b.U8(1); b.U16('a'); b.U16(0xD83D);
    globals.Put(biff::kSst, b);
    b = biff::Bytes();
    b.U8(1); b.U16(0xDE00); b.U16('b');
    globals.Put(biff::kContinue, b);
    // clang-format on
    auto book = detail::ParseWorkbookStream(OneSheetStream(globals), "other.xls");
    EXPECT_EQ(book.sheets.at(0).cells.Value(1, 1).Text(), "a\xF0\x9F\x98\x80"
                                                          "b");
}

// The workbook stream of sheets with these names, as the program writes it.
std::vector<std::uint8_t> StreamOfSheets(const std::vector<std::string>& names) {
    std::vector<detail::SheetContent> sheets(names.size());
    std::vector<const detail::SheetContent*> order;
    for (std::size_t i = 0; i < names.size(); ++i) {
        sheets[i].name = names[i];
        order.push_back(&sheets[i]);
    }
    std::vector<std::uint8_t> stream;
    detail::WriteWorkbookStream(order, 0, [&](std::span<const std::uint8_t> piece) {
        stream.insert(stream.end(), piece.begin(), piece.end());
    });
    return stream;
}

// Two sheets are one name when their names agree with ASCII letters taken without case, as
// the workbook compares them; other characters must agree exactly.
TEST(XlsReaderTest, SheetsOfTheSameNameAreRefused) {
    struct Case {
        std::vector<std::string> names;
        const char* fault; // nullptr: read
    };
    const Case cases[] = {
        {{"Data", "Sheet2", "Data"}, "\"Data\" という名前のシートが二つあります"},
        {{"縦断ｼｰﾄ", "縦断ｼｰﾄ"}, "\"縦断ｼｰﾄ\" という名前のシートが二つあります"},
        {{"Data", "x", "dATA"}, "\"Data\" と \"dATA\" は大文字と小文字が違うだけの同じ名前のシートです"},
        {{"ｼｰﾄa", "ｼｰﾄA"}, "\"ｼｰﾄa\" と \"ｼｰﾄA\""},
        {{"Data", "Data2", "Dat", "Daten"}, nullptr},
        {{"Ａ", "ａ"}, nullptr}, // full-width letters are not folded
        {{"シート", "ｼｰﾄ"}, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.names.back());
        auto stream = StreamOfSheets(c.names);
        try {
            auto book = detail::ParseWorkbookStream(stream, "names.xls");
            EXPECT_EQ(c.fault, nullptr) << "read";
            ASSERT_EQ(book.sheets.size(), c.names.size());
            for (std::size_t i = 0; i < c.names.size(); ++i) EXPECT_EQ(book.sheets[i].name, c.names[i]);
        } catch (const rt::Error& e) {
            ASSERT_NE(c.fault, nullptr) << e.Description();
            EXPECT_EQ(e.Number(), rt::errApplication);
            EXPECT_NE(e.Description().find("names.xls"), std::string::npos) << e.Description();
            EXPECT_NE(e.Description().find(c.fault), std::string::npos) << e.Description();
        }
    }
}

} // namespace
} // namespace xl::test
