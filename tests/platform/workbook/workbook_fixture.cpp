#include "workbook_fixture.h"

#include <array>
#include <cstdio>
#include <sys/wait.h>

#include "platform/workbook/call_log.h"

namespace xl::test {

void QuitRunningApplication() {
    try {
        auto book = CreateObject("Excel.sheet");
        book->Application()->Quit();
    } catch (const rt::Error&) {
    }
}

void WorkbookTest::SetUp() {
    QuitRunningApplication();
    ClearCallLog();
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    dir_ = std::filesystem::path(VANTOR_BINARY_DIR) / "test_scratch" / "workbook" /
           (std::string(info->test_suite_name()) + "." + info->name());
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
}

void WorkbookTest::TearDown() { QuitRunningApplication(); }

std::string WorkbookTest::Path(const std::string& name) const { return (dir_ / name).string(); }

std::string RunPython(const std::string& script, const std::string& args) {
    std::string command = "/usr/bin/python3 " + script + " " + args + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) {
        ADD_FAILURE() << "cannot run " << command;
        return {};
    }
    std::string out;
    std::array<char, 4096> buf;
    while (std::size_t n = fread(buf.data(), 1, buf.size(), pipe)) out.append(buf.data(), n);
    int status = pclose(pipe);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << command << "\n" << out;
    return out;
}

} // namespace xl::test
