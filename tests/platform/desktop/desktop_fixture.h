#pragma once
// A fresh desktop in its own folder for every test, on the virtual clock.
#include "platform/desktop/desktop.h"
#include "platform/desktop/testing.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

class DesktopTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        root_ = std::filesystem::path(::testing::TempDir()) /
                (std::string("desktop-") + info->test_suite_name() + "-" + info->name());
        std::filesystem::remove_all(root_);
        desk::testing::Reset(root_);
    }

    // A visible top-level or child window of a class that answers with DefWindowProc.
    static desk::HWND Make(const std::string& caption, desk::HWND parent = nullptr,
                           desk::DWORD style = desk::WS_VISIBLE, const std::string& className = "Static") {
        return desk::CreateWindowEx(0, className, caption,
                                    style | (parent && (style & desk::WS_POPUP) == 0 ? desk::WS_CHILD : 0), 0, 0, 100,
                                    100, parent);
    }

    static std::string Caption(desk::HWND hwnd) {
        char text[100];
        desk::GetWindowText(hwnd, text, sizeof text);
        return text;
    }

    // Creates (or empties) a file of the virtual drives.
    static void Touch(const std::string& path, const std::string& content = {}) {
        desk::HANDLE h =
            desk::CreateFile(path.c_str(), desk::GENERIC_WRITE, 0, nullptr, desk::CREATE_ALWAYS, 0, nullptr);
        ASSERT_NE(h, desk::INVALID_HANDLE_VALUE) << path;
        desk::DWORD written = 0;
        desk::WriteFile(h, content.data(), static_cast<desk::DWORD>(content.size()), &written, nullptr);
        desk::CloseHandle(h);
    }

    std::filesystem::path root_;
};
