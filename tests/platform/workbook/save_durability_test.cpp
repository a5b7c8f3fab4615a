// A save survives a power cut: the new file is flushed to the disk before it replaces the
// document, and the folder after it, so the disk holds the earlier document or the new one.
// A temporary file left by a stopped save is removed by the next save or Open of the document.
// fsync is watched by a definition of its own in this program, which records what each call
// flushed and what stood on the disk then, and calls the system's.
#include <gtest/gtest.h>

#include <dlfcn.h>
#include <unistd.h>

#include <fstream>
#include <vector>

#include "platform/workbook/workbook.h"
#include "workbook_fixture.h"

namespace {

struct Flush {
    std::string path;    // what the flushed descriptor names
    bool documentThere;  // whether the document's name stood on the disk then
    bool temporaryThere; // and the temporary's
};
std::vector<Flush> flushes;
std::string watchedDocument; // empty: nothing recorded

} // namespace

extern "C" int fsync(int fd) {
    if (!watchedDocument.empty()) {
        std::error_code ec;
        flushes.push_back({std::filesystem::read_symlink("/proc/self/fd/" + std::to_string(fd), ec).string(),
                           std::filesystem::exists(watchedDocument, ec),
                           std::filesystem::exists(watchedDocument + ".saving", ec)});
    }
    static auto* system = reinterpret_cast<int (*)(int)>(dlsym(RTLD_NEXT, "fsync"));
    return system(fd);
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
        EXPECT_EQ(flushes[0].path, document + ".saving");
        EXPECT_EQ(flushes[0].documentThere, replacing); // the earlier document still in place
        EXPECT_TRUE(flushes[0].temporaryThere);
        EXPECT_EQ(flushes[1].path, std::filesystem::canonical(dir_).string());
        EXPECT_TRUE(flushes[1].documentThere);
        EXPECT_FALSE(flushes[1].temporaryThere);
    }
}

TEST_F(SaveDurabilityTest, TheTemporaryFileOfAStoppedSaveIsRemovedByTheNextSaveOrOpen) {
    auto book = CreateObject("Excel.sheet");
    book->Worksheets(1)->Cells(2, 3)->SetValue(12.5);
    const std::string document = Path("doc.xls"), temporary = document + ".saving";
    auto stoppedSave = [&] { std::ofstream(temporary, std::ios::binary) << "half a workbook"; };

    stoppedSave();
    book->SaveAs(document);
    EXPECT_FALSE(std::filesystem::exists(temporary));
    book->Application()->Quit();

    stoppedSave();
    EXPECT_EQ(GetObject(document)->Worksheets(1)->Cells(2, 3)->Value().Double(), 12.5);
    EXPECT_FALSE(std::filesystem::exists(temporary));
}

} // namespace
} // namespace xl::test
