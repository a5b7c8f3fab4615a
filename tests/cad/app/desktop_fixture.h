#pragma once
// A fresh desktop with the products installed, and the library's side of the conversation:
// start a product from its install record, find its windows by their classes and captions,
// type through WM_COPYDATA and read window texts through WM_GETTEXT.
#include "cad/app/install.h"
#include "cad/app/instance.h"
#include "platform/desktop/desktop.h"
#include "platform/desktop/testing.h"
#include "platform/runtime/cp932.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace cad::app::testing {

struct Started {
    desk::PROCESS_INFORMATION process;
    desk::HWND mainFrame = nullptr;
    desk::HWND textFrame = nullptr;
    desk::HWND textHeadlands = nullptr, textMountTam = nullptr, commandHeadlands = nullptr;
    desk::HWND controlBar = nullptr, graphicsView = nullptr, dialog = nullptr;
};

inline std::string ClassOf(desk::HWND h) {
    char buffer[100] = {};
    desk::GetClassName(h, buffer, sizeof buffer);
    return buffer;
}

inline std::string CaptionOf(desk::HWND h) {
    char buffer[100] = {};
    desk::GetWindowText(h, buffer, sizeof buffer);
    return buffer;
}

inline std::string ReadText(desk::HWND h) {
    const auto length = desk::SendMessage(h, desk::WM_GETTEXTLENGTH, 0, 0);
    std::string text(static_cast<std::size_t>(length) + 256, '\0');
    const auto n = desk::SendMessage(h, desk::WM_GETTEXT, text.size(), reinterpret_cast<desk::LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(n));
    return text;
}

inline desk::LRESULT SendCopyData(desk::HWND frame, const std::string& text) {
    std::string buffer = text;
    desk::COPYDATASTRUCT data;
    data.dwData = 1;
    data.cbData = static_cast<desk::DWORD>(buffer.size() + 1);
    data.lpData = buffer.data();
    return desk::SendMessage(frame, desk::WM_COPYDATA, reinterpret_cast<desk::WPARAM>(frame),
                             reinterpret_cast<desk::LPARAM>(&data));
}

inline std::vector<desk::HWND> Descendants(desk::HWND parent) {
    std::vector<desk::HWND> all;
    desk::EnumChildWindows(
        parent, [&](desk::HWND h, desk::LPARAM) { return all.push_back(h), true; }, 0);
    return all;
}

// The windows of the product's GUI thread, found by the rules the control library applies.
inline void FindWindows(Started& s) {
    std::vector<desk::HWND> tops;
    desk::EnumThreadWindows(
        s.process.dwThreadId, [&](desk::HWND h, desk::LPARAM) { return tops.push_back(h), true; }, 0);
    for (desk::HWND top : tops) {
        if (ClassOf(top) == "#32770") s.dialog = top;
        if (ClassOf(top).rfind("Afx:", 0) != 0) continue;
        for (desk::HWND d : Descendants(top)) {
            const std::string cls = ClassOf(d), caption = CaptionOf(d);
            const desk::HWND parent = desk::GetParent(d);
            const std::string parentClass = ClassOf(parent);
            const std::string grandClass = ClassOf(desk::GetParent(parent));
            if (cls == "MDIClient") s.mainFrame = parent;
            if (cls == "AfxControlBar42") s.controlBar = d;
            if (cls.rfind("Afx:400000:28:", 0) == 0) s.graphicsView = d;
            if (caption == "Marin" && parentClass == "AfxFrameOrView42") s.textFrame = desk::GetParent(parent);
            if (caption == "Headlands" && grandClass == "AfxFrameOrView42") s.textHeadlands = d;
            if (caption == "MountTam" && grandClass == "AfxFrameOrView42") s.textMountTam = d;
            if (caption == "Headlands" && grandClass == "AfxWnd42") s.commandHeadlands = d;
        }
    }
}

struct DesktopFixture : ::testing::Test {
    std::filesystem::path root;

    void SetUp() override {
        root = std::filesystem::temp_directory_path() /
               ("vantor_cad_app_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::remove_all(root);
        desk::testing::Reset(root);
        ASSERT_TRUE(RunningInstances().empty()); // a reset ends the products of earlier tests
        PrepareDesktop();
    }
    void TearDown() override {
        desk::testing::Reset(root);
        std::filesystem::remove_all(root);
    }

    Started Start(int index = kAutoCadLt2002) {
        Started s;
        const std::string exe = InstalledExecutable(*FindProduct(index));
        EXPECT_FALSE(exe.empty());
        const std::string commandLine = "\"" + exe + "\"";
        desk::STARTUPINFO startup;
        desk::GetStartupInfo(&startup);
        startup.wShowWindow = desk::SW_SHOWDEFAULT;
        EXPECT_TRUE(desk::CreateProcess(nullptr, commandLine.c_str(), nullptr, nullptr, false, 0x04000220, nullptr,
                                        nullptr, &startup, &s.process));
        EXPECT_EQ(desk::WaitForInputIdle(s.process.hProcess, 5000), desk::WAIT_OBJECT_0);
        FindWindows(s);
        return s;
    }

    static std::string Cp932(const std::string& utf8) { return rt::Utf8ToCp932(utf8); }
};

} // namespace cad::app::testing
