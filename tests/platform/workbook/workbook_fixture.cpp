#include "workbook_fixture.h"

#include "platform/workbook/call_log.h"

namespace xl::test {

void QuitRunningApplication() {
    try {
        auto book = CreateObject("Excel.sheet");
        book->Application()->Quit();
    } catch (const rt::Error&) {}
}

void WorkbookTest::SetUp() {
    QuitRunningApplication();
    ClearCallLog();
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    dir_ = std::filesystem::temp_directory_path() / (std::string(info->test_suite_name()) + "." + info->name());
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
}

void WorkbookTest::TearDown() { QuitRunningApplication(); }

std::string WorkbookTest::Path(const std::string& name) const { return (dir_ / name).string(); }

} // namespace xl::test
