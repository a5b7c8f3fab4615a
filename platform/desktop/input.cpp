#include "platform/desktop/input.h"

#include "platform/desktop/desktop_state.h"
#include "platform/desktop/message.h"

#include <algorithm>

namespace desk {

using namespace detail;

namespace {

// Whether the window's thread shares its input state with the calling thread.
bool SharesInput(const State& s, DWORD windowThread, DWORD caller) {
    return windowThread == caller || s.attached.count({caller, windowThread}) ||
           s.attached.count({windowThread, caller});
}

DWORD ThreadOfWindow(const State& s, DWORD id) {
    auto it = s.windows.find(id);
    return it == s.windows.end() ? 0 : it->second->threadId;
}

DWORD HitTest(const State& s, const std::vector<DWORD>& level, POINT p, POINT origin) {
    for (DWORD id : level) {
        const auto& w = *s.windows.at(id);
        if (!(w.style & WS_VISIBLE)) continue;
        const LONG left = origin.x + w.rect.left;
        const LONG top = origin.y + w.rect.top;
        if (p.x < left || p.y < top || p.x >= left + (w.rect.right - w.rect.left) ||
            p.y >= top + (w.rect.bottom - w.rect.top))
            continue;
        if (w.style & WS_DISABLED) return 0; // a disabled child leaves the click to its parent
        const DWORD inner = HitTest(s, w.children, p, POINT{left, top});
        return inner ? inner : id;
    }
    return 0;
}

} // namespace

HWND GetForegroundWindow() {
    Lock lk(S().m);
    return ToHwnd(S().foreground);
}

bool SetForegroundWindow(HWND hwnd) {
    State& s = S();
    Lock lk(s.m);
    if (!FindWindowRecord(s, hwnd)) return false;
    ActivateWindow(lk, IdOf(hwnd));
    return true;
}

HWND GetActiveWindow() {
    State& s = S();
    Lock lk(s.m);
    const DWORD caller = CurrentThread(lk)->id;
    return SharesInput(s, ThreadOfWindow(s, s.foreground), caller) ? ToHwnd(s.foreground) : nullptr;
}

HWND SetActiveWindow(HWND hwnd) {
    State& s = S();
    Lock lk(s.m);
    if (!FindWindowRecord(s, hwnd)) return nullptr;
    const DWORD old = s.foreground;
    ActivateWindow(lk, IdOf(hwnd));
    return ToHwnd(old);
}

HWND GetFocus() {
    State& s = S();
    Lock lk(s.m);
    const DWORD caller = CurrentThread(lk)->id;
    return SharesInput(s, ThreadOfWindow(s, s.focus), caller) ? ToHwnd(s.focus) : nullptr;
}

HWND SetFocus(HWND hwnd) {
    State& s = S();
    Lock lk(s.m);
    auto w = FindWindowRecord(s, hwnd);
    if (!w || (w->style & WS_DISABLED)) return nullptr;
    const DWORD old = s.focus;
    ActivateWindow(lk, w->id);
    if (s.focus != w->id && s.windows.count(w->id)) {
        const DWORD was = s.focus;
        s.focus = w->id;
        if (was && s.windows.count(was)) Notify(lk, was, WM_KILLFOCUS, w->id, 0);
        Notify(lk, w->id, WM_SETFOCUS, was, 0);
    }
    return ToHwnd(old);
}

bool AttachThreadInput(DWORD attachThread, DWORD attachToThread, bool attach) {
    State& s = S();
    Lock lk(s.m);
    if (attachThread == attachToThread || !s.threads.count(attachThread) || !s.threads.count(attachToThread)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return false;
    }
    if (attach) {
        s.attached.insert({attachThread, attachToThread});
        return true;
    }
    return s.attached.erase({attachThread, attachToThread}) > 0;
}

bool GetCursorPos(POINT* point) {
    Lock lk(S().m);
    *point = S().cursor;
    return true;
}

bool SetCursorPos(int x, int y) {
    State& s = S();
    Lock lk(s.m);
    s.cursor = POINT{std::clamp(x, 0, s.screenWidth - 1), std::clamp(y, 0, s.screenHeight - 1)};
    return true;
}

HWND WindowFromPoint(POINT point) {
    State& s = S();
    Lock lk(s.m);
    return ToHwnd(HitTest(s, s.topLevel, point, POINT{0, 0}));
}

void mouse_event(DWORD flags, DWORD dx, DWORD dy, DWORD, ULONG_PTR) {
    State& s = S();
    POINT target;
    {
        Lock lk(s.m);
        if (flags & MOUSEEVENTF_MOVE) {
            if (flags & MOUSEEVENTF_ABSOLUTE) {
                s.cursor = POINT{static_cast<LONG>(static_cast<std::uint64_t>(dx) * s.screenWidth / 65536),
                                 static_cast<LONG>(static_cast<std::uint64_t>(dy) * s.screenHeight / 65536)};
            } else {
                s.cursor.x += static_cast<std::int32_t>(dx);
                s.cursor.y += static_cast<std::int32_t>(dy);
            }
        }
        target = s.cursor;
    }
    const HWND hwnd = WindowFromPoint(target);
    if (!hwnd) return;
    POINT client = target;
    ScreenToClient(hwnd, &client);
    const LPARAM where = MAKELPARAM(static_cast<WORD>(client.x), static_cast<WORD>(client.y));
    if (flags & MOUSEEVENTF_MOVE) PostMessage(hwnd, WM_MOUSEMOVE, 0, where);
    if (flags & (MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_RIGHTDOWN)) SetForegroundWindow(hwnd);
    if (flags & MOUSEEVENTF_LEFTDOWN) PostMessage(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, where);
    if (flags & MOUSEEVENTF_LEFTUP) PostMessage(hwnd, WM_LBUTTONUP, 0, where);
    if (flags & MOUSEEVENTF_RIGHTDOWN) PostMessage(hwnd, WM_RBUTTONDOWN, MK_RBUTTON, where);
    if (flags & MOUSEEVENTF_RIGHTUP) PostMessage(hwnd, WM_RBUTTONUP, 0, where);
}

bool MessageBeep(UINT) {
    Lock lk(S().m);
    ++S().beeps;
    return true;
}

} // namespace desk
