// What a save writes is the document the user named and nothing else: whatever stands at the
// name a temporary file once had is left alone, saves at once keep apart, a link is followed
// and kept, the document's permissions stay, and a file the user may not replace is refused
// before anything is written. Each save runs in a child process of its own with a time limit,
// so a save that waits on a pipe fails the test instead of hanging it.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <functional>
#include <random>
#include <set>

#include "platform/runtime/number_text.h"
#include "platform/workbook/workbook.h"
#include "workbook_fixture.h"

namespace xl::test {
namespace {

namespace fs = std::filesystem;
using Job = std::function<std::string()>;

// Runs every job at once, each in a child process, and returns what each returned; a job still
// running after `limit` is killed and gives "(timed out)".
std::vector<std::string> RunAtOnce(const std::vector<Job>& jobs,
                                   std::chrono::seconds limit = std::chrono::seconds(30)) {
    struct Child {
        pid_t pid;
        int out;
        std::string text;
        bool done = false;
    };
    std::vector<Child> children;
    for (const Job& job : jobs) {
        int pipe[2];
        if (::pipe(pipe) != 0) return {};
        pid_t pid = fork();
        if (pid == 0) {
            ::close(pipe[0]);
            std::string text;
            try {
                text = job();
            } catch (const rt::Error& e) {
                text = "error: " + e.Description();
            }
            if (::write(pipe[1], text.data(), text.size()) < 0) _exit(2);
            _exit(0);
        }
        ::close(pipe[1]);
        children.push_back({pid, pipe[0], {}});
    }
    const auto deadline = std::chrono::steady_clock::now() + limit;
    for (auto& child : children) {
        while (!child.done) {
            auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
            pollfd p{child.out, POLLIN, 0};
            if (left.count() <= 0 || ::poll(&p, 1, static_cast<int>(left.count())) <= 0) break;
            char buffer[4096];
            ssize_t n = ::read(child.out, buffer, sizeof buffer);
            if (n <= 0) child.done = true;
            else child.text.append(buffer, static_cast<std::size_t>(n));
        }
        if (!child.done) {
            ::kill(child.pid, SIGKILL);
            child.text = "(timed out)";
        }
        ::close(child.out);
        ::waitpid(child.pid, nullptr, 0);
    }
    std::vector<std::string> texts;
    for (auto& child : children) texts.push_back(child.text);
    return texts;
}

// Saves a workbook whose cell A1 holds `text` under `path`, `times` times; "" when saved.
Job Save(const std::string& path, const std::string& text, int times = 1) {
    return [=] {
        auto book = CreateObject("Excel.sheet");
        book->Worksheets(1)->Cells(1, 1)->SetValue(text);
        for (int i = 0; i < times; ++i) book->SaveAs(path);
        return std::string();
    };
}

// Cell A1 of the workbook in `path`, or the message that refuses it.
std::string Content(const std::string& path) {
    std::string text;
    try {
        auto book = GetObject(path);
        text = book->Worksheets(1)->Cells(1, 1)->Value().Text();
    } catch (const rt::Error& e) {
        text = "error: " + e.Description();
    }
    QuitRunningApplication();
    return text;
}

std::string Bytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

fs::file_type TypeOf(const fs::path& path) { return fs::symlink_status(path).type(); }

// Regular files in `folder` that a save may have left: names ending in ".saving" that are no
// document of the test.
std::vector<std::string> LeftOver(const fs::path& folder, const std::set<std::string>& documents = {}) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (name.ends_with(".saving") && entry.is_regular_file() && !entry.is_symlink() && !documents.count(name))
            names.push_back(name);
    }
    return names;
}

using DocumentSaveTest = WorkbookTest;

TEST_F(DocumentSaveTest, ASaveWritesTheNamedDocumentAndNothingElse) {
    const std::string doc = Path("doc.xls"), old = doc + ".saving";
    auto saveWithOld = [&](const std::string& text) { return RunAtOnce({Save(doc, text)}); };
    const std::string longA = std::string(248, 'x') + "A.xls", longB = std::string(248, 'x') + "BB.xl";
    const std::string savingName = std::string(248, 'y') + ".saving"; // 255 bytes, ending as a temporary did
    struct Case {
        const char* what;
        std::function<void()> prepare;
        std::function<std::vector<std::string>()> run;
        std::function<void(const std::vector<std::string>&)> check;
    } cases[] = {
        {"a link planted at the temporary's old name and at names the save may pick",
         [&] {
             std::ofstream(Path("victim.txt")) << "private";
             fs::create_symlink(Path("victim.txt"), old);
         },
         [&] {
             return RunAtOnce({[&] {
                 for (int n = 0; n < 50; ++n)
                     fs::create_symlink(Path("victim.txt"), doc + "." + rt::CStr(static_cast<long long>(getpid())) +
                                                                "." + rt::CStr(n) + ".saving");
                 return Save(doc, "saved")();
             }});
         },
         [&](const std::vector<std::string>& out) {
             EXPECT_EQ(out, std::vector<std::string>{""});
             EXPECT_EQ(Bytes(Path("victim.txt")), "private");
             EXPECT_EQ(TypeOf(old), fs::file_type::symlink);
             EXPECT_EQ(TypeOf(doc), fs::file_type::regular);
             EXPECT_EQ(Content(doc), "saved");
         }},
        {"a pipe at the temporary's old name", [&] { ASSERT_EQ(::mkfifo(old.c_str(), 0666), 0); },
         [&] { return saveWithOld("saved"); },
         [&](const std::vector<std::string>& out) {
             EXPECT_EQ(out, std::vector<std::string>{""});
             EXPECT_EQ(TypeOf(old), fs::file_type::fifo);
             EXPECT_EQ(Content(doc), "saved");
         }},
        {"a folder at the temporary's old name", [&] { fs::create_directory(old); },
         [&] { return saveWithOld("saved"); },
         [&](const std::vector<std::string>& out) {
             EXPECT_EQ(out, std::vector<std::string>{""});
             EXPECT_EQ(TypeOf(old), fs::file_type::directory);
             EXPECT_EQ(Content(doc), "saved");
         }},
        {"two long names sharing their first 248 bytes, saved at once", [] {},
         [&] {
             return RunAtOnce({Save(Path(longA), "A", 20), Save(Path(longB), "B", 20)});
         },
         [&](const std::vector<std::string>& out) {
             EXPECT_EQ(out, (std::vector<std::string>{"", ""}));
             EXPECT_EQ(Content(Path(longA)), "A");
             EXPECT_EQ(Content(Path(longB)), "B");
         }},
        {"documents named as temporaries were survive their own Open and the other's",
         [&] {
             RunAtOnce({Save(Path(savingName), "long"), Save(old, "short"), Save(doc, "doc")});
         },
         [&] { return RunAtOnce({[&] { return Content(Path(savingName)) + Content(doc) + Content(old); }}); },
         [&](const std::vector<std::string>& out) {
             EXPECT_EQ(out, std::vector<std::string>{"longdocshort"});
             EXPECT_EQ(Content(Path(savingName)), "long");
             EXPECT_EQ(Content(old), "short");
         }},
        {"two saves of one document at once", [] {},
         [&] {
             return RunAtOnce({Save(doc, "first", 30), Save(doc, "second", 30)});
         },
         [&](const std::vector<std::string>& out) {
             EXPECT_EQ(out, (std::vector<std::string>{"", ""}));
             const std::string text = Content(doc);
             EXPECT_TRUE(text == "first" || text == "second") << text;
         }},
        {"a document that is a link",
         [&] {
             fs::create_directory(Path("real"));
             RunAtOnce({Save(Path("real/target.xls"), "old")});
             fs::create_symlink("real/target.xls", doc);
         },
         [&] { return saveWithOld("new"); },
         [&](const std::vector<std::string>& out) {
             EXPECT_EQ(out, std::vector<std::string>{""});
             EXPECT_EQ(TypeOf(doc), fs::file_type::symlink);
             EXPECT_EQ(fs::read_symlink(doc), "real/target.xls");
             EXPECT_EQ(Content(Path("real/target.xls")), "new");
             EXPECT_EQ(LeftOver(Path("real")), std::vector<std::string>{});
         }},
        {"a document only its owner may read",
         [&] {
             RunAtOnce({Save(doc, "old")});
             fs::permissions(doc, fs::perms::owner_read | fs::perms::owner_write);
             // The superuser saving someone's document leaves it theirs.
             if (::geteuid() == 0) {
                 ASSERT_EQ(::chown(doc.c_str(), 4321, 4321), 0);
             }
         },
         [&] { return saveWithOld("new"); },
         [&](const std::vector<std::string>& out) {
             EXPECT_EQ(out, std::vector<std::string>{""});
             struct stat info {};
             ASSERT_EQ(::stat(doc.c_str(), &info), 0);
             EXPECT_EQ(info.st_mode & 07777, 0600u);
             if (::geteuid() == 0) {
                 EXPECT_EQ(info.st_uid, 4321u);
                 EXPECT_EQ(info.st_gid, 4321u);
             }
             EXPECT_EQ(Content(doc), "new");
         }},
        {"a read-only document",
         [&] {
             RunAtOnce({Save(doc, "old")});
             fs::permissions(doc, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
         },
         [&] { return saveWithOld("new"); },
         [&](const std::vector<std::string>& out) {
             ASSERT_EQ(out.size(), 1u);
             for (const char* part : {"doc.xls", "読み取り専用", "別の名前を付けて保存してください。"})
                 EXPECT_NE(out[0].find(part), std::string::npos) << out[0];
             EXPECT_EQ(fs::status(doc).permissions(),
                       fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
             EXPECT_EQ(Content(doc), "old");
         }},
        {"a pipe as the document", [&] { ASSERT_EQ(::mkfifo(doc.c_str(), 0666), 0); },
         [&] { return saveWithOld("new"); },
         [&](const std::vector<std::string>& out) {
             ASSERT_EQ(out.size(), 1u);
             for (const char* part : {"doc.xls", "普通のファイルではありません", "別の名前を付けて保存"})
                 EXPECT_NE(out[0].find(part), std::string::npos) << out[0];
             EXPECT_EQ(TypeOf(doc), fs::file_type::fifo);
         }},
    };
    for (auto& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        c.prepare();
        c.check(c.run());
        EXPECT_EQ(LeftOver(dir_, {"doc.xls.saving", savingName}), std::vector<std::string>{});
    }
}

// A save killed at any moment leaves the earlier document or the new one, whole; the next Open
// removes what the killed save left.
TEST_F(DocumentSaveTest, AKilledSaveLeavesAWholeDocumentAndItsTemporaryGoesWithTheNextOpen) {
    const std::string doc = Path("doc.xls");
    std::mt19937 random(50);
    int leftBehind = 0; // rounds whose save was killed between making its file and the rename
    for (int round = 1; round <= 20; ++round) {
        SCOPED_TRACE(round);
        int ready[2];
        ASSERT_EQ(::pipe(ready), 0);
        pid_t saver = fork();
        ASSERT_GE(saver, 0);
        if (saver == 0) {
            auto book = CreateObject("Excel.sheet");
            for (int r = 2; r <= 3000; ++r) book->Worksheets(1)->Cells(r, 1)->SetValue(r * 0.5);
            book->Worksheets(1)->Cells(1, 1)->SetValue(rt::CStr(round));
            book->SaveAs(doc);
            if (::write(ready[1], "s", 1) != 1) _exit(2);
            for (;;) book->SaveAs(doc);
        }
        ::close(ready[1]);
        char saved = 0;
        ASSERT_EQ(::read(ready[0], &saved, 1), 1); // killed while it saves again and again
        ::close(ready[0]);
        ::usleep(std::uniform_int_distribution<useconds_t>(0, 20000)(random));
        ::kill(saver, SIGKILL);
        ::waitpid(saver, nullptr, 0);
        leftBehind += !LeftOver(dir_).empty();
        const std::string text = Content(doc);
        EXPECT_EQ(text, rt::CStr(round));
        EXPECT_EQ(LeftOver(dir_), std::vector<std::string>{});
    }
    EXPECT_GT(leftBehind, 0);
}

} // namespace
} // namespace xl::test
