// A save survives a power cut: the new file is flushed to the disk before it replaces the
// document, and the folder after it, so the disk holds the earlier document or the new one.
// A temporary file left by a save whose process ended is removed by the next save or Open of
// the document. fsync and write are watched by definitions of their own in this program:
// fsync records what each call flushed and what stood on the disk then; both fail with an
// error number of the test's choice on the temporary file, else call the system's.
#include <gtest/gtest.h>

#include <dlfcn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <vector>

#include "platform/runtime/number_text.h"

#include "platform/workbook/workbook.h"
#include "workbook_fixture.h"

namespace {

struct Flush {
    std::string path;   // what the flushed descriptor names
    bool documentThere; // whether the document's name stood on the disk then
    bool flushedThere;  // and the flushed file's
    int temporaries;    // the names ending in ".saving" in the document's folder
};
std::vector<Flush> flushes;
std::string watchedDocument;         // empty: nothing recorded
int failWrites = 0, failFlushes = 0; // error numbers for the temporary file's writes and fsync

std::string PathOf(int fd) {
    std::error_code ec;
    return std::filesystem::read_symlink("/proc/self/fd/" + std::to_string(fd), ec).string();
}

bool IsTemporary(int fd) { return PathOf(fd).ends_with(".saving"); }

int Temporaries(const std::filesystem::path& folder) {
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        count += entry.path().filename().string().ends_with(".saving");
    return count;
}

} // namespace

extern "C" int fsync(int fd) {
    if (!watchedDocument.empty()) {
        std::error_code ec;
        const std::string path = PathOf(fd);
        flushes.push_back({path, std::filesystem::exists(watchedDocument, ec), std::filesystem::exists(path, ec),
                           Temporaries(std::filesystem::path(watchedDocument).parent_path())});
    }
    if (failFlushes != 0 && IsTemporary(fd)) {
        errno = failFlushes;
        return -1;
    }
    static auto* system = reinterpret_cast<int (*)(int)>(dlsym(RTLD_NEXT, "fsync"));
    return system(fd);
}

extern "C" ssize_t write(int fd, const void* data, size_t size) {
    if (failWrites != 0 && IsTemporary(fd)) {
        errno = failWrites;
        return -1;
    }
    static auto* system = reinterpret_cast<ssize_t (*)(int, const void*, size_t)>(dlsym(RTLD_NEXT, "write"));
    return system(fd, data, size);
}

namespace xl::test {
namespace {

using SaveDurabilityTest = WorkbookTest;

TEST_F(SaveDurabilityTest, TheFileIsFlushedBeforeItReplacesTheDocumentAndTheFolderAfter) {
    auto book = CreateObject("Excel.sheet");
    book->Worksheets(1)->Cells(1, 1)->SetValue("測点");
    const std::string document = Path("doc.xls");
    for (bool replacing : {false, true}) {
        flushes.clear();
        watchedDocument = document;
        book->SaveAs(document);
        watchedDocument.clear();
        ASSERT_EQ(flushes.size(), 2u) << replacing;
        EXPECT_TRUE(flushes[0].path.starts_with(document + ".")) << flushes[0].path;
        EXPECT_TRUE(flushes[0].path.ends_with(".saving")) << flushes[0].path;
        EXPECT_EQ(flushes[0].documentThere, replacing); // the earlier document still in place
        EXPECT_TRUE(flushes[0].flushedThere);
        EXPECT_EQ(flushes[1].path, std::filesystem::canonical(dir_).string());
        EXPECT_TRUE(flushes[1].documentThere);
        EXPECT_EQ(flushes[1].temporaries, 0);
    }
}

// A full disk met while writing or flushing is told as such; the earlier document stays and
// the temporary file goes.
TEST_F(SaveDurabilityTest, AFullDiskIsToldAndKeepsTheEarlierDocument) {
    auto book = CreateObject("Excel.sheet");
    book->Worksheets(1)->Cells(1, 1)->SetValue("earlier");
    const std::string document = Path("doc.xls");
    book->SaveAs(document);
    book->Worksheets(1)->Cells(1, 1)->SetValue("later");
    struct Case {
        int* fault;
        int error;
    } cases[] = {{&failWrites, ENOSPC}, {&failWrites, EDQUOT}, {&failFlushes, ENOSPC}};
    for (const auto& c : cases) {
        *c.fault = c.error;
        std::string message;
        try {
            book->SaveAs(document);
        } catch (const rt::Error& e) {
            message = e.Description();
        }
        *c.fault = 0;
        EXPECT_NE(message.find("ディスクの空きが足りません"), std::string::npos) << c.error << ": " << message;
        EXPECT_EQ(Temporaries(dir_), 0);
    }
    book->Application()->Quit();
    EXPECT_EQ(GetObject(document)->Worksheets(1)->Cells(1, 1)->Value().Text(), "earlier");
}

// A temporary file whose process has ended goes with the next save or Open of its document; one
// of a save still running (here this test's own process), and a file that merely ends as
// temporaries end, stay.
TEST_F(SaveDurabilityTest, TheTemporaryFileOfAStoppedSaveIsRemovedByTheNextSaveOrOpen) {
    auto book = CreateObject("Excel.sheet");
    book->Worksheets(1)->Cells(2, 3)->SetValue(12.5);
    const std::string document = Path("doc.xls");
    pid_t ended = fork();
    if (ended == 0) _exit(0);
    ASSERT_GT(ended, 0);
    waitpid(ended, nullptr, 0);
    auto temporaryOf = [&](pid_t pid) { return document + "." + rt::CStr(static_cast<long long>(pid)) + ".7.saving"; };
    const std::string stopped = temporaryOf(ended), running = temporaryOf(getpid()), other = document + ".saving";
    auto stoppedSave = [&] {
        for (const auto& name : {stopped, running, other}) std::ofstream(name, std::ios::binary) << "half a workbook";
    };

    stoppedSave();
    book->SaveAs(document);
    EXPECT_FALSE(std::filesystem::exists(stopped));
    EXPECT_TRUE(std::filesystem::exists(running));
    EXPECT_TRUE(std::filesystem::exists(other));
    book->Application()->Quit();

    stoppedSave();
    EXPECT_EQ(GetObject(document)->Worksheets(1)->Cells(2, 3)->Value().Double(), 12.5);
    EXPECT_FALSE(std::filesystem::exists(stopped));
    EXPECT_TRUE(std::filesystem::exists(running));
    EXPECT_TRUE(std::filesystem::exists(other));
}

} // namespace
} // namespace xl::test
