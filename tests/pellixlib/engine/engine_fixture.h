#pragma once
// A product started and attached by the engine, with what is typed at its main frame recorded
// (the texts of WM_COPYDATA), and the user's actions scripted while the engine waits.
#include "../pellix_fixture.h"
#include "pellixlib/AcadUnit.h"
#include "platform/runtime/number_text.h"

#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace pellix::testing {

inline std::string InstallFolder(TAcadIndex index) {
    return "C:\\Program Files\\CAD" + rt::CStr(static_cast<long long>(index));
}

struct Engine : PellixDesktop {
    std::unique_ptr<TAcadObject> acad;
    cad::app::Instance* cad = nullptr;
    desk::HWND mainFrame = nullptr; // the product's main frame, kept at Start

    void SetUp() override {
        PellixDesktop::SetUp();
        InitAcadUnit();
        acad = std::make_unique<TAcadObject>();
    }
    void TearDown() override {
        acad.reset();
        DoneAcadUnit();
        PellixDesktop::TearDown();
    }

    // Installs and launches the product through the engine; an older product's start-up dialog
    // is closed, as the user would.
    void Start(TAcadIndex index = 6) {
        Install(index, InstallFolder(index));
        ASSERT_TRUE(acad->Launch(index, "", "", ssNORMAL));
        desk::DWORD processId = 0;
        desk::GetWindowThreadProcessId(acad->MainWnd(), &processId);
        cad = cad::app::FindInstance(processId);
        ASSERT_NE(cad, nullptr);
        if (const desk::HWND dialog = cad->Windows().startupDialog) desk::SendMessage(dialog, desk::WM_CLOSE, 0, 0);
        mainFrame = acad->MainWnd();
        desk::testing::LogMessages(mainFrame);
    }

    // Every text typed at the main frame since Start, once each (a refused text repeats). Read
    // from the frame kept at Start, so that it also answers while the object is going.
    std::vector<std::string> Typed() const {
        std::vector<std::string> texts;
        for (const auto& m : desk::testing::MessageLog(mainFrame))
            if (m.message == desk::WM_COPYDATA) texts.push_back(m.data.substr(0, m.data.find('\0')));
        return texts;
    }

    // Runs the user's action as soon as the engine waits.
    static void WhenWaiting(std::function<void()> action) {
        desk::testing::At(desk::GetTickCount() + 1, std::move(action));
    }

    std::string History() const {
        std::string all;
        for (const std::string& line : cad->commandLine().History()) all += line + "\n";
        return all;
    }
};

} // namespace pellix::testing

namespace pellix::testing {

// Makes the product's main frame refuse the texts that `refused` picks, as a CAD busy in a
// modal state would.
inline void RefuseTexts(desk::HWND frame, std::function<bool(const std::string&)> refused) {
    auto previous = std::make_shared<desk::WNDPROC>();
    *previous = desk::SetWindowProc(
        frame, [previous, refused](desk::HWND h, desk::UINT m, desk::WPARAM wp, desk::LPARAM lp) -> desk::LRESULT {
            if (m == desk::WM_COPYDATA && lp != 0) {
                const auto* data = reinterpret_cast<const desk::COPYDATASTRUCT*>(lp);
                if (refused(std::string(static_cast<const char*>(data->lpData)))) return 0;
            }
            return (*previous)(h, m, wp, lp);
        });
}

// The desktop file's bytes.
inline std::string FileBytes(const std::string& path) {
    std::ifstream in(desk::ToNativePath(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

} // namespace pellix::testing
