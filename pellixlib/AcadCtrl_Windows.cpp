// Window operations on any window: sizes, states, moves, closing and activation.
#include "pellixlib/AcadCtrl_Control.h"
#include "pellixlib/AcadCtrl_WindowOps.h"

#include "pellixlib/AcadFunc_Windows.h"
#include "platform/desktop/message.h"
#include "platform/desktop/window.h"

namespace pellix {

namespace {

// Lets the window's program settle and serves the caller's queue.
void Settle(desk::HWND wnd) {
    WaitWindowIdle(wnd);
    PumpMessages();
}

} // namespace

std::string WndText(desk::HWND wnd) {
    if (!desk::IsWindow(wnd)) return {};
    std::string text(static_cast<std::size_t>(desk::GetWindowTextLength(wnd)) + 1, '\0');
    text.resize(static_cast<std::size_t>(desk::GetWindowText(wnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

bool WndSize(desk::HWND wnd, std::int32_t& left, std::int32_t& top, std::int32_t& width, std::int32_t& height) {
    desk::RECT r;
    if (!desk::IsWindow(wnd) || !desk::GetWindowRect(wnd, &r)) return false;
    left = r.left;
    top = r.top;
    width = r.right - r.left;
    height = r.bottom - r.top;
    return true;
}

TShowState WndState(desk::HWND wnd) {
    if (desk::IsZoomed(wnd)) return ssMAXIMIZE;
    if (desk::IsIconic(wnd)) return ssMINIMIZE;
    return ssNORMAL;
}

bool WndReSize(desk::HWND wnd, std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height) {
    if (!desk::IsWindow(wnd)) return false;
    if (desk::IsZoomed(wnd) || desk::IsIconic(wnd)) desk::ShowWindow(wnd, desk::SW_RESTORE);
    Settle(wnd);
    const bool moved = desk::MoveWindow(wnd, left, top, width, height, true);
    Settle(wnd);
    return moved;
}

bool WndMove(desk::HWND wnd, std::int32_t left, std::int32_t top) {
    desk::RECT r;
    if (!desk::IsWindow(wnd) || !desk::GetWindowRect(wnd, &r)) return false;
    Settle(wnd);
    const bool moved = desk::MoveWindow(wnd, left, top, r.right - r.left, r.bottom - r.top, true);
    Settle(wnd);
    return moved;
}

bool WndSetState(desk::HWND wnd, TShowState state) {
    if (!desk::IsWindow(wnd)) return false;
    int command = desk::SW_SHOW;
    switch (state) {
    case ssNORMAL: command = desk::SW_RESTORE; break;
    case ssMINIMIZE: command = desk::SW_MINIMIZE; break;
    case ssMAXIMIZE: command = desk::SW_MAXIMIZE; break;
    }
    Settle(wnd);
    const bool wasVisible = desk::ShowWindow(wnd, command);
    Settle(wnd);
    return wasVisible;
}

bool WndClose(desk::HWND wnd) {
    if (!desk::IsWindow(wnd)) return false;
    WaitWindowIdle(wnd);
    desk::SendNotifyMessage(wnd, desk::WM_CLOSE, 0, 0);
    Settle(wnd);
    return true;
}

bool WndActivate(desk::HWND wnd) {
    if (!desk::IsWindow(wnd)) return false;
    WaitWindowIdle(wnd);
    desk::SetWindowPos(wnd, desk::HWND_TOP, 0, 0, 0, 0, desk::SWP_NOMOVE | desk::SWP_NOSIZE);
    PumpMessages();
    const bool foreground = ForceForeground(wnd);
    Settle(wnd);
    return foreground;
}

bool TAcadControl::GetWindowSize(std::int32_t WinHdl, std::int32_t& ALeft, std::int32_t& ATop, std::int32_t& AWidth,
                                 std::int32_t& AHeight) {
    return WndSize(WndOf(WinHdl), ALeft, ATop, AWidth, AHeight);
}

std::string TAcadControl::GetWindowCaption(std::int32_t WinHdl) {
    const desk::HWND wnd = WndOf(WinHdl);
    return desk::IsWindow(wnd) ? GetWndCaption(wnd) : std::string();
}

TShowState TAcadControl::GetWindowState(std::int32_t WinHdl) { return WndState(WndOf(WinHdl)); }

bool TAcadControl::SetReSizeWindow(std::int32_t WinHdl, std::int32_t ALeft, std::int32_t ATop, std::int32_t AWidth,
                                   std::int32_t AHeight) {
    CallScope scope(*this);
    return WndReSize(WndOf(WinHdl), ALeft, ATop, AWidth, AHeight);
}

bool TAcadControl::SetMoveWindow(std::int32_t WinHdl, std::int32_t ALeft, std::int32_t ATop) {
    CallScope scope(*this);
    return WndMove(WndOf(WinHdl), ALeft, ATop);
}

bool TAcadControl::SetWindowState(std::int32_t WinHdl, TShowState State) {
    CallScope scope(*this);
    return WndSetState(WndOf(WinHdl), State);
}

bool TAcadControl::CloseWindow(std::int32_t WinHdl) {
    CallScope scope(*this);
    return WndClose(WndOf(WinHdl));
}

bool TAcadControl::ActiveWindow(std::int32_t WinHdl) {
    CallScope scope(*this);
    return WndActivate(WndOf(WinHdl));
}

} // namespace pellix
