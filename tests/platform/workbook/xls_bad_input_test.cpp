// Files that are no workbook, or damaged ones: each raises 1004 naming the file and the fault,
// and nothing is bound.
#include <gtest/gtest.h>

#include <fstream>
#include <random>

#include "platform/workbook/biff_records.h"
#include "platform/workbook/compound_file.h"
#include "platform/runtime/number_text.h"
#include "platform/workbook/workbook.h"
#include "workbook_fixture.h"

namespace xl::test {
namespace {

using BadInputTest = WorkbookTest;

std::vector<std::uint8_t> ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void WriteAll(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                static_cast<std::streamsize>(bytes.size()));
}

// Binding `path` raises 1004 with the file name and `fault` in the message.
void ExpectRefused(const std::string& path, const std::string& fault) {
    try {
        GetObject(path);
        ADD_FAILURE() << path << " was bound";
    } catch (const rt::Error& e) {
        EXPECT_EQ(e.Number(), rt::errApplication);
        EXPECT_NE(e.Description().find(path), std::string::npos) << e.Description();
        EXPECT_NE(e.Description().find(fault), std::string::npos) << e.Description();
    }
}

std::vector<std::uint8_t> SavedWorkbookBytes(const std::string& path) {
    auto book = CreateObject("Excel.sheet");
    for (int r = 1; r <= 300; ++r) book->Worksheets(1)->Cells(r, 1)->SetValue("text " + rt::CStr(r));
    book->SaveAs(path);
    book->Application()->Quit();
    return ReadAll(path);
}

TEST_F(BadInputTest, FilesThatAreNoWorkbookAreRefused) {
    ExpectRefused(Path("missing.xls"), "no such file");

    std::ofstream(Path("text.xls")) << "測点,地盤高\n1,2\n";
    ExpectRefused(Path("text.xls"), "not an Excel 97-2003 workbook");

    std::mt19937 random(7);
    std::vector<std::uint8_t> noise(20000);
    for (auto& b : noise) b = static_cast<std::uint8_t>(random());
    WriteAll(Path("noise.xls"), noise);
    ExpectRefused(Path("noise.xls"), "not an Excel 97-2003 workbook");

    auto whole = SavedWorkbookBytes(Path("whole.xls"));
    for (std::size_t cut : {whole.size() / 2, std::size_t{600}, std::size_t{0}}) {
        WriteAll(Path("cut.xls"), std::vector<std::uint8_t>(whole.begin(), whole.begin() + cut));
        ExpectRefused(Path("cut.xls"), "");
    }

    std::vector<std::uint8_t> other(5000, 1);
    detail::WriteCompoundFile(Path("other.xls"), "Contents", [&](const detail::ByteSink& write) { write(other); });
    ExpectRefused(Path("other.xls"), "no \"Workbook\" stream");
    EXPECT_EQ(ErrorOf([] { CreateObject("Excel.sheet")->Application()->Windows(1); }), 0);
}

TEST_F(BadInputTest, DamagedRecordsAreRefused) {
    auto stream = [](auto&& fill) {
        detail::biff::Bytes out, b;
        b.U16(detail::biff::kBiff8); b.U16(detail::biff::kGlobalsType); b.U32(0); b.U32(0); b.U32(0);
        out.Put(detail::biff::kBof, b);
        fill(out);
        return std::move(out.Data());
    };
    struct Case {
        const char* name;
        std::vector<std::uint8_t> bytes;
        const char* fault;
    } cases[] = {
        {"length.xls", stream([](detail::biff::Bytes& o) { o.U16(detail::biff::kXf); o.U16(0xFFFF); o.U32(0); }),
         "runs past the end of the stream"},
        {"noeof.xls", stream([](detail::biff::Bytes&) {}), "before its end record"},
        {"short.xls", stream([](detail::biff::Bytes& o) { detail::biff::Bytes b; b.U16(1); o.Put(detail::biff::kXf, b); }),
         "shorter than its contents"},
        {"nosheet.xls", stream([](detail::biff::Bytes& o) { o.Put(detail::biff::kEof, detail::biff::Bytes()); }), "no worksheet"},
        {"offset.xls", stream([](detail::biff::Bytes& o) {
             detail::biff::Bytes b; b.U32(1u << 30); b.U8(0); b.U8(0); b.U8(1); b.U8(0); b.U8('S');
             o.Put(detail::biff::kBoundSheet, b);
             o.Put(detail::biff::kEof, detail::biff::Bytes());
         }), "past the end of the workbook stream"},
        {"sst.xls", stream([](detail::biff::Bytes& o) {
             detail::biff::Bytes b; b.U32(1); b.U32(1); b.U16(50); b.U8(0); b.U8('a');
             o.Put(detail::biff::kSst, b);
         }), "shorter than its contents"},
        {"biff5.xls", [] {
             detail::biff::Bytes o, b;
             b.U16(0x0500); b.U16(detail::biff::kGlobalsType); b.U32(0);
             o.Put(detail::biff::kBof, b);
             return std::move(o.Data());
         }(), "BIFF8"},
    };
    for (auto& c : cases) {
        auto bytes = c.bytes;
        bytes.resize(std::max<std::size_t>(bytes.size(), 4096), 0); // beyond the mini stream
        detail::WriteCompoundFile(Path(c.name), "Workbook", [&](const detail::ByteSink& write) { write(bytes); });
        ExpectRefused(Path(c.name), c.fault);
    }
}

TEST_F(BadInputTest, AFailedSaveKeepsTheEarlierFile) {
    auto whole = SavedWorkbookBytes(Path("keep.xls"));
    auto book = CreateObject("Excel.sheet");
    std::filesystem::create_directory(Path("keep.xls.saving")); // the temporary cannot be made
    EXPECT_EQ(ErrorOf([&] { book->SaveAs(Path("keep.xls")); }), rt::errApplication);
    EXPECT_EQ(ReadAll(Path("keep.xls")), whole);
    EXPECT_EQ(ErrorOf([&] { book->SaveAs(Path("no/such/folder/x.xls")); }), rt::errApplication);
}

} // namespace
} // namespace xl::test
