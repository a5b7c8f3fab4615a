// Files that are no workbook, or damaged ones: each raises 1004 naming the file and the fault,
// and nothing is bound.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <functional>
#include <limits>
#include <random>

#include "platform/workbook/biff_records.h"
#include "platform/workbook/compound_file.h"
#include "platform/runtime/number_text.h"
#include "platform/workbook/workbook.h"
#include "workbook_fixture.h"

#if defined(__SANITIZE_ADDRESS__)
// The compound-file library allocates through glib, built without frame pointers: the fast
// unwinder ends a leak's stack in g_malloc0, and lsan.supp could not name the library's
// function that leaks.
extern "C" const char* __asan_default_options() { return "fast_unwind_on_malloc=0"; }
#endif

namespace xl::test {
namespace {

using BadInputTest = WorkbookTest;

std::vector<std::uint8_t> ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void WriteAll(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
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
        EXPECT_NE(e.Description().find("ください。"), std::string::npos) << e.Description();
    }
}

// A compound file at `path` holding `bytes` as its stream `streamName`.
void WriteCompound(const std::string& path, const char* streamName, const std::vector<std::uint8_t>& bytes) {
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    ASSERT_GE(fd, 0) << path;
    detail::WriteCompoundFile(fd, path, streamName, [&](const detail::ByteSink& write) { write(bytes); });
    ::close(fd);
}

std::vector<std::uint8_t> SavedWorkbookBytes(const std::string& path) {
    auto book = CreateObject("Excel.sheet");
    for (int r = 1; r <= 300; ++r) book->Worksheets(1)->Cells(r, 1)->SetValue("text " + rt::CStr(r));
    book->SaveAs(path);
    book->Application()->Quit();
    return ReadAll(path);
}

TEST_F(BadInputTest, FilesThatAreNoWorkbookAreRefused) {
    ExpectRefused(Path("missing.xls"), "ファイルがありません");
    ExpectRefused(dir_.string(), "これはフォルダーです");

    std::ofstream(Path("text.xls")) << "測点,地盤高\n1,2\n";
    ExpectRefused(Path("text.xls"), "Excel 97-2003 形式のブックではありません");

    std::mt19937 random(7);
    std::vector<std::uint8_t> noise(20000);
    for (auto& b : noise) b = static_cast<std::uint8_t>(random());
    WriteAll(Path("noise.xls"), noise);
    ExpectRefused(Path("noise.xls"), "Excel 97-2003 形式のブックではありません");

    auto whole = SavedWorkbookBytes(Path("whole.xls"));
    for (std::size_t cut : {whole.size() / 2, std::size_t{600}, std::size_t{0}}) {
        WriteAll(Path("cut.xls"), std::vector<std::uint8_t>(whole.begin(), whole.begin() + cut));
        ExpectRefused(Path("cut.xls"), "");
    }

    // The root entry given the workbook stream as its sibling: the directory then holds no
    // stream below the root (the compound-file library leaks the entry it read, see lsan.supp).
    auto sibling = whole;
    auto u32At = [&](std::size_t at) {
        return static_cast<std::uint32_t>(sibling[at] | sibling[at + 1] << 8 | sibling[at + 2] << 16) |
               static_cast<std::uint32_t>(sibling[at + 3]) << 24;
    };
    const std::size_t sectorSize = std::size_t{1} << (sibling[0x1E] | sibling[0x1F] << 8);
    const std::size_t rootEntry = (u32At(0x30) + 1) * sectorSize;
    ASSERT_EQ(u32At(rootEntry + 0x48), 0xFFFFFFFFu); // no right sibling in a sound file
    sibling[rootEntry + 0x48] = 1;
    sibling[rootEntry + 0x49] = sibling[rootEntry + 0x4A] = sibling[rootEntry + 0x4B] = 0;
    WriteAll(Path("sibling.xls"), sibling);
    ExpectRefused(Path("sibling.xls"), "\"Workbook\" ストリームがありません");

    std::vector<std::uint8_t> other(5000, 1);
    WriteCompound(Path("other.xls"), "Contents", other);
    ExpectRefused(Path("other.xls"), "\"Workbook\" ストリームがありません");
    EXPECT_EQ(ErrorOf([] { CreateObject("Excel.sheet")->Application()->Windows(1); }), 0);
}

TEST_F(BadInputTest, DamagedRecordsAreRefused) {
    // clang-format off
    auto stream = [](auto&& fill) {
        detail::biff::Bytes out, b;
        b.U16(detail::biff::kBiff8); b.U16(detail::biff::kGlobalsType); b.U32(0); b.U32(0); b.U32(0);
        out.Put(detail::biff::kBof, b);
        fill(out);
        return std::move(out.Data());
    };
    // clang-format on
    struct Case {
        const char* name;
        std::vector<std::uint8_t> bytes;
        const char* fault;
    } cases[] = {
        // clang-format off
        {"length.xls", stream([](detail::biff::Bytes& o) { o.U16(detail::biff::kXf); o.U16(0xFFFF); o.U32(0); }),
         "ストリームの終わりを越えています"},
        {"noeof.xls", stream([](detail::biff::Bytes&) {}), "終わりのレコードの前"},
        {"short.xls", stream([](detail::biff::Bytes& o) { detail::biff::Bytes b; b.U16(1); o.Put(detail::biff::kXf, b); }),
         "ブックのレコードが中身より短くなっています"},
        {"nosheet.xls", stream([](detail::biff::Bytes& o) { o.Put(detail::biff::kEof, detail::biff::Bytes()); }), "ワークシートがありません"},
        {"offset.xls", stream([](detail::biff::Bytes& o) {
             detail::biff::Bytes b; b.U32(1u << 30); b.U8(0); b.U8(0); b.U8(1); b.U8(0); b.U8('S');
             o.Put(detail::biff::kBoundSheet, b);
             o.Put(detail::biff::kEof, detail::biff::Bytes());
         }), "ストリームの終わりより後から始まっています"},
        {"sst.xls", stream([](detail::biff::Bytes& o) {
             detail::biff::Bytes b; b.U32(1); b.U32(1); b.U16(50); b.U8(0); b.U8('a');
             o.Put(detail::biff::kSst, b);
         }), "共有文字列の表が中身より短くなっています"},
        {"biff5.xls", [] {
             detail::biff::Bytes o, b;
             b.U16(0x0500); b.U16(detail::biff::kGlobalsType); b.U32(0);
             o.Put(detail::biff::kBof, b);
             return std::move(o.Data());
         }(), "ブックが Excel 97-2003 (BIFF8) 形式ではありません"},
        // clang-format on
    };
    for (auto& c : cases) {
        auto bytes = c.bytes;
        bytes.resize(std::max<std::size_t>(bytes.size(), 4096), 0); // beyond the mini stream
        WriteCompound(Path(c.name), "Workbook", bytes);
        ExpectRefused(Path(c.name), c.fault);
    }
}

// A file larger than a workbook can be is refused on its size alone: with too little address
// space to map it, the refusal still names the size.
TEST_F(BadInputTest, AHugeFileIsRefusedBeforeItIsRead) {
    const std::string path = Path("huge.xls");
    { std::ofstream(path, std::ios::binary); }
    std::filesystem::resize_file(path, (std::uintmax_t{1} << 30) + 1); // sparse: no disk used
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        long pages = 0, size = 0;
        std::ifstream("/proc/self/statm") >> size;
        pages = size;
        rlimit limit{};
        limit.rlim_cur = limit.rlim_max =
            static_cast<rlim_t>(pages) * static_cast<rlim_t>(getpagesize()) + (256u << 20);
        setrlimit(RLIMIT_AS, &limit);
        try {
            GetObject(path);
        } catch (const rt::Error& e) {
            _exit(e.Description().find("ファイルが大きすぎます") != std::string::npos ? 0 : 2);
        } catch (...) {}
        _exit(3);
    }
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
}

// What a user can meet: Japanese texts naming the book, sheet and cell or the file, with
// what to do; the error numbers stay.
TEST_F(BadInputTest, MessagesNameThePlaceAndSayWhatToDo) {
    auto book = CreateObject("Excel.sheet");
    auto ws = book->Worksheets(1);
    ws->SetName("ＩＰ座標入力");
    std::filesystem::create_directory(Path("folder.xls"));
    struct Case {
        std::function<void()> call;
        int number;
        std::vector<std::string> parts;
    } cases[] = {
        // clang-format off
        {[&] { ws->Cells(6, 2)->SetValue(std::numeric_limits<double>::infinity()); }, rt::errApplication,
         {"ブック \"Book1\" のシート \"ＩＰ座標入力\" のセル B6 に inf は入れられません", "確かめてください。"}},
        {[&] { ws->Range("A1:B2")->SetValue(1e300 * 1e10); }, rt::errApplication, {"のセル A1:B2 に"}},
        {[&] { ws->Cells(1, 1)->SetValue(1LL << 60); }, rt::errOverflow, {"のセル A1 に整数"}},
        {[&] { book->Worksheets("縦断ｼｰﾄ"); }, rt::errSubscript,
         {"ブック \"Book1\" にシート \"縦断ｼｰﾄ\" がありません", "ください。"}},
        {[&] { book->SaveAs(Path(std::string(252, 'a'))); }, rt::errApplication,
         {"ファイル名が長すぎます", "短い名前", std::string(252, 'a') + ".xls"}},
        {[&] { book->SaveAs(Path("no/such/folder/x.xls")); }, rt::errApplication,
         {"保存先のフォルダーがありません", "x.xls"}},
        {[&] { book->SaveAs(Path("folder.xls")); }, rt::errApplication, {"同じ名前のフォルダーがあります"}},
        // clang-format on
    };
    for (auto& c : cases) {
        try {
            c.call();
            ADD_FAILURE() << "not refused: " << c.parts.front();
        } catch (const rt::Error& e) {
            EXPECT_EQ(e.Number(), c.number) << e.Description();
            for (const auto& part : c.parts)
                EXPECT_NE(e.Description().find(part), std::string::npos) << e.Description();
        }
    }
    // A name that leaves no room for the temporary file's suffix is still saved.
    std::string longest = Path(std::string(251, 'b'));
    book->SaveAs(longest);
    EXPECT_TRUE(std::filesystem::is_regular_file(longest + ".xls"));
    for (const auto& entry : std::filesystem::directory_iterator(dir_))
        EXPECT_NE(entry.path().extension(), ".saving") << entry.path();
}

// A save that fails while it writes (here the file size limit stops it partway) keeps the
// earlier file, tells the reason of the failed write and leaves no file behind.
TEST_F(BadInputTest, AFailedSaveKeepsTheEarlierFile) {
    auto whole = SavedWorkbookBytes(Path("keep.xls"));
    auto book = CreateObject("Excel.sheet");
    for (int r = 1; r <= 3000; ++r) book->Worksheets(1)->Cells(r, 1)->SetValue("longer text " + rt::CStr(r));
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        signal(SIGXFSZ, SIG_IGN);
        rlimit limit{};
        limit.rlim_cur = limit.rlim_max = 16384;
        setrlimit(RLIMIT_FSIZE, &limit);
        try {
            book->SaveAs(Path("keep.xls"));
        } catch (const rt::Error& e) {
            _exit(e.Number() == rt::errApplication &&
                          e.Description().find("エラー番号 " + rt::CStr(EFBIG)) != std::string::npos
                      ? 0
                      : 2);
        }
        _exit(3);
    }
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    EXPECT_EQ(ReadAll(Path("keep.xls")), whole);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_), {}), 1);
    EXPECT_EQ(ErrorOf([&] { book->SaveAs(Path("no/such/folder/x.xls")); }), rt::errApplication);
}

} // namespace
} // namespace xl::test
