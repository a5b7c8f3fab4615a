#include "pellixlib/com/AboutUnit.h"

#include "platform/desktop/message.h"
#include "platform/desktop/process.h"
#include "platform/desktop/window.h"

namespace pellix {

namespace {

constexpr desk::UINT BM_CLICK = 0x00F5;
constexpr desk::UINT WM_KEYDOWN = 0x0100;
constexpr desk::WPARAM IDOK = 1, IDCANCEL = 2;
constexpr desk::WPARAM VK_RETURN = 0x0D, VK_ESCAPE = 0x1B;
constexpr int kWidth = 360, kHeight = 140;
const std::string kClassName = "TPellixAbout";

// A child that tells its dialog of a click, as a push button does.
desk::LRESULT OkButtonProc(desk::HWND wnd, desk::UINT msg, desk::WPARAM wParam, desk::LPARAM lParam) {
    if (msg == BM_CLICK || msg == desk::WM_LBUTTONUP) {
        desk::SendMessage(desk::GetParent(wnd), desk::WM_COMMAND, IDOK, 0);
        return 0;
    }
    return desk::DefWindowProc(wnd, msg, wParam, lParam);
}

} // namespace

TPellixAbout::TPellixAbout(desk::HWND owner) {
    desk::WNDCLASS wc;
    wc.lpfnWndProc = desk::DefWindowProc;
    wc.lpszClassName = kClassName;
    desk::RegisterClass(wc); // already there for the second box
    const int left = (desk::GetSystemMetrics(desk::SM_CXSCREEN) - kWidth) / 2;
    const int top = (desk::GetSystemMetrics(desk::SM_CYSCREEN) - kHeight) / 2;
    FHandle = desk::CreateWindowEx(
        0, kClassName, kAboutCaption, desk::WS_POPUP | desk::WS_CAPTION | desk::WS_SYSMENU, left, top, kWidth, kHeight,
        owner, nullptr,
        [this](desk::HWND w, desk::UINT m, desk::WPARAM wp, desk::LPARAM lp) { return WndProc(w, m, wp, lp); });
    const desk::DWORD child = desk::WS_CHILD | desk::WS_VISIBLE;
    auto add = [&](const char* cls, const char* text, int x, int y, int w, int h, desk::WNDPROC proc = {}) {
        desk::CreateWindowEx(0, cls, text, child, x, y, w, h, FHandle, nullptr, std::move(proc));
    };
    add("Static", "Pellix", 8, 6, 120, 18);
    add("Static", "Version1.81", 248, 6, 104, 18);
    add("Static", "", 0, 28, kWidth, 2); // the line closing the title strip
    add("Static", "", 12, 40, 32, 32);   // the icon
    add("Static", "CAD control library for road drafting", 56, 38, 296, 16);
    add("Static", "Starts, watches and drives the CAD for its host", 56, 56, 296, 16);
    add("Static", "Copyright (C) Pellix developers", 56, 74, 296, 16);
    add("Edit", "http://www.pellix.example/", 56, 96, 200, 20);
    add("Button", "OK", 272, 106, 80, 26, OkButtonProc);
}

TPellixAbout::~TPellixAbout() {
    if (desk::IsWindow(FHandle)) desk::DestroyWindow(FHandle);
}

desk::LRESULT TPellixAbout::WndProc(desk::HWND wnd, desk::UINT msg, desk::WPARAM wParam, desk::LPARAM lParam) {
    const bool closes = msg == desk::WM_CLOSE || (msg == desk::WM_COMMAND && (wParam == IDOK || wParam == IDCANCEL)) ||
                        (msg == WM_KEYDOWN && (wParam == VK_RETURN || wParam == VK_ESCAPE));
    if (closes) {
        FClosed = true;
        return 0;
    }
    if (msg == desk::WM_DESTROY) {
        // Gone with its owner (the control ended meanwhile): the modal loop must not wait on.
        FClosed = true;
        desk::PostThreadMessage(desk::GetCurrentThreadId(), desk::WM_NULL, 0, 0);
    }
    return desk::DefWindowProc(wnd, msg, wParam, lParam);
}

void TPellixAbout::ShowModal() {
    FClosed = false;
    desk::ShowWindow(FHandle, desk::SW_SHOW);
    desk::MSG msg;
    while (!FClosed && desk::IsWindow(FHandle)) {
        if (!desk::GetMessage(&msg, nullptr, 0, 0)) {
            desk::PostQuitMessage(static_cast<int>(msg.wParam)); // the host's loop ends after the box
            break;
        }
        desk::TranslateMessage(&msg);
        desk::DispatchMessage(&msg);
    }
    desk::ShowWindow(FHandle, desk::SW_HIDE);
}

} // namespace pellix
