// The program's end on a real display: at once, without the static destructors. A program of its
// own, so that no application exists yet when the child process makes one on a real platform.
#include "platform/desktop/registry.h"
#include "platform/desktop/testing.h"
#include "platform/forms/application.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

std::string ReadLeft() {
    desk::HKEY key;
    if (desk::RegOpenKeyEx(desk::HKEY_CURRENT_USER, "Software\\Korvel", 0, desk::KEY_READ, &key) != desk::ERROR_SUCCESS)
        return "(no key)";
    char data[64] = {};
    desk::DWORD size = sizeof data;
    const desk::LONG e =
        desk::RegQueryValueEx(key, "Left", nullptr, nullptr, reinterpret_cast<desk::BYTE*>(data), &size);
    desk::RegCloseKey(key);
    return e == desk::ERROR_SUCCESS ? std::string(data) : "(no value)";
}

TEST(ApplicationEnd, WritesWhatTheRegistryHoldsUnwrittenBeforeTheProgramEnds) {
    const std::filesystem::path root = std::filesystem::path(::testing::TempDir()) / "application-end";
    desk::testing::Reset(root);
    EXPECT_EXIT(
        {
            // A platform that is not the tests' headless one: End really ends the process.
            ::setenv("QT_QPA_PLATFORM", "minimal", 1);
            desk::HKEY key;
            desk::RegCreateKeyEx(desk::HKEY_CURRENT_USER, "Software\\Korvel", 0, nullptr, 0, desk::KEY_ALL_ACCESS,
                                 nullptr, &key, nullptr);
            const std::string left = "changed during the run";
            desk::RegSetValueEx(key, "Left", 0, desk::REG_SZ, reinterpret_cast<const desk::BYTE*>(left.c_str()),
                                static_cast<desk::DWORD>(left.size() + 1));
            forms::End();
            std::exit(3); // End returned
        },
        ::testing::ExitedWithCode(0), "");
    desk::testing::ReloadRegistry();
    EXPECT_EQ(ReadLeft(), "changed during the run");
}

} // namespace
