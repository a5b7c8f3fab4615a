#include "pellixlib/AcadFunc_Windows.h"

#include "platform/desktop/input.h"
#include "platform/desktop/message.h"
#include "platform/desktop/process.h"
#include "platform/desktop/window.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <utility>

namespace pellix {

namespace {

constexpr int kNameBuffer = 100;
constexpr int kMinimumSendBuffer = 2048;
constexpr int kReadMargin = 256;
constexpr int kForegroundAttempts = 4;
constexpr int kIdleWaitsPerStep = 4;

void IdleWaits(desk::HWND wnd, int count) {
    for (int i = 0; i < count; ++i) WaitWindowIdleEx(wnd);
}

// Up to four attempts to bring the window to the foreground, each followed by idle waits.
void BringToForeground(desk::HWND wnd) {
    for (int i = 0; i < kForegroundAttempts && desk::GetForegroundWindow() != wnd; ++i) {
        ForceForeground(wnd);
        IdleWaits(wnd, kIdleWaitsPerStep);
    }
}

void NotifyMouseMove(desk::HWND wnd, desk::POINT at) {
    desk::SendNotifyMessage(wnd, desk::WM_MOUSEMOVE, 0,
                            desk::MAKELPARAM(static_cast<desk::WORD>(at.x), static_cast<desk::WORD>(at.y)));
}

} // namespace

void InitTextBuffer(TTextBuffer& buffer) {
    buffer.Buffer.clear();
    buffer.Capacity = -1;
}

void FreeTextBuffer(TTextBuffer& buffer) {
    std::vector<char>().swap(buffer.Buffer);
    buffer.Capacity = -1;
}

char* SetTextBuffer(int n, const std::string& text, TTextBuffer& buffer) {
    try {
        if (buffer.Capacity < 0) buffer.Capacity = std::max(n, kMinimumSendBuffer) + 1;
        else if (buffer.Capacity < n + 1) buffer.Capacity = n + 1;
        buffer.Buffer.assign(static_cast<std::size_t>(buffer.Capacity), '\0');
    } catch (const std::bad_alloc&) {
        FreeTextBuffer(buffer);
        return nullptr;
    }
    std::memcpy(buffer.Buffer.data(), text.data(),
                std::min<std::size_t>(text.size(), static_cast<std::size_t>(buffer.Capacity - 1)));
    return buffer.Buffer.data();
}

std::string ReadWindowText(desk::HWND wnd, TTextBuffer& buffer) {
    if (!desk::IsWindow(wnd)) return {};
    const auto length = static_cast<int>(desk::SendMessage(wnd, desk::WM_GETTEXTLENGTH, 0, 0));
    if (length <= 0) return {};
    if (buffer.Capacity < length + kReadMargin) {
        buffer.Capacity = length + kReadMargin;
        buffer.Buffer.resize(static_cast<std::size_t>(buffer.Capacity));
    }
    buffer.Buffer.assign(buffer.Buffer.size(), '\0');
    const auto n = desk::SendMessage(wnd, desk::WM_GETTEXT, static_cast<desk::WPARAM>(length + kReadMargin - 1),
                                     reinterpret_cast<desk::LPARAM>(buffer.Buffer.data()));
    return std::string(buffer.Buffer.data(), static_cast<std::size_t>(std::max<desk::LRESULT>(n, 0)));
}

std::string GetWndClassName(desk::HWND wnd) {
    char buffer[kNameBuffer] = {};
    const int n = desk::GetClassName(wnd, buffer, kNameBuffer);
    return std::string(buffer, static_cast<std::size_t>(std::max(n, 0)));
}

std::string GetWndCaption(desk::HWND wnd) {
    char buffer[kNameBuffer] = {};
    const int n = desk::GetWindowText(wnd, buffer, kNameBuffer);
    return std::string(buffer, static_cast<std::size_t>(std::max(n, 0)));
}

desk::HWND TWindowList::GetWnd(int index) const {
    return index >= 0 && index < Count() ? FItems[static_cast<std::size_t>(index)] : nullptr;
}

void TWindowList::Assign(const TWindowList* source) {
    if (!source) return;
    FItems = source->FItems;
    FActiveWnd = source->FActiveWnd;
    FLastWnd = source->FLastWnd;
}

bool PumpMessages() {
    desk::MSG msg;
    while (desk::PeekMessage(&msg, nullptr, 0, 0, desk::PM_REMOVE)) {
        if (msg.message == desk::WM_QUIT) return true;
        desk::TranslateMessage(&msg);
        desk::DispatchMessage(&msg);
    }
    return false;
}

void WaitWindowIdle(desk::HWND wnd) {
    if (!desk::IsWindow(wnd)) return;
    desk::DWORD processId = 0;
    desk::GetWindowThreadProcessId(wnd, &processId);
    const desk::HANDLE process = desk::OpenProcess(desk::SYNCHRONIZE, false, processId);
    if (!process) return;
    desk::WaitForInputIdle(process, desk::INFINITE);
    desk::CloseHandle(process);
}

void WaitWindowIdleEx(desk::HWND wnd) {
    PumpMessages();
    WaitWindowIdle(wnd);
    PumpMessages();
}

bool ForceForeground(desk::HWND wnd) {
    if (desk::GetForegroundWindow() != wnd) {
        const desk::DWORD target = desk::GetWindowThreadProcessId(wnd, nullptr);
        const desk::DWORD self = desk::GetCurrentThreadId();
        const bool attached = target != 0 && target != self && desk::AttachThreadInput(target, self, true);
        desk::SetForegroundWindow(wnd);
        PumpMessages();
        if (attached) desk::AttachThreadInput(target, self, false);
    }
    return desk::GetForegroundWindow() == wnd;
}

desk::HWND CreateHiddenWindow(const std::string& className, desk::WNDPROC proc) {
    desk::WNDCLASS wc;
    wc.lpfnWndProc = desk::DefWindowProc;
    wc.lpszClassName = className;
    desk::RegisterClass(wc); // already there for the second window
    return desk::CreateWindowEx(desk::WS_EX_TOOLWINDOW, className, "", desk::WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                std::move(proc));
}

desk::HWND FindChildWindow(desk::HWND parent, const std::string& caption, const std::string& classSpec) {
    if (!desk::IsWindow(parent) || (caption.empty() && classSpec.empty())) return nullptr;
    const bool needsCaption = !classSpec.empty() && classSpec.front() == '*';
    const std::string className = needsCaption ? classSpec.substr(1, 1024).substr(0, 255) : classSpec.substr(0, 255);
    const std::string part = caption.substr(0, 255);
    desk::HWND found = nullptr;
    desk::EnumChildWindows(
        parent,
        [&](desk::HWND child, desk::LPARAM) {
            if (!className.empty() && GetWndClassName(child) != className) return true;
            if (!part.empty() || needsCaption) {
                char buffer[256] = {};
                desk::GetWindowText(child, buffer, sizeof buffer);
                const std::string text = buffer;
                if (text.empty() || (!part.empty() && text.find(part) == std::string::npos)) return true;
            }
            found = child;
            return false;
        },
        0);
    return found;
}

bool MouseClickWindow(desk::HWND parent, const std::string& caption, const std::string& classSpec, bool topmost,
                      bool doubleClick, bool rightButton) {
    const desk::HWND child = FindChildWindow(parent, caption, classSpec);
    desk::RECT r;
    if (!desk::IsWindow(child) || !desk::GetWindowRect(child, &r)) return false;
    const desk::POINT centre{r.left + (r.right - r.left) / 2, r.top + (r.bottom - r.top) / 2};
    if (!desk::IsWindowEnabled(parent)) return false;

    BringToForeground(parent);
    if (topmost) {
        desk::SetWindowPos(parent, desk::HWND_TOP, 0, 0, 0, 0, desk::SWP_NOMOVE | desk::SWP_NOSIZE);
        IdleWaits(parent, kIdleWaitsPerStep);
        desk::SetWindowPos(parent, desk::HWND_TOPMOST, 0, 0, 0, 0, desk::SWP_NOMOVE | desk::SWP_NOSIZE);
        IdleWaits(parent, kIdleWaitsPerStep);
        BringToForeground(parent);
    }

    const desk::DWORD down = rightButton ? 0x8008 : 0x8002;
    const desk::DWORD up = rightButton ? 0x8010 : 0x8004;
    const auto press = [&] {
        desk::mouse_event(down, 0, 0, 0, 0);
        desk::mouse_event(up, 0, 0, 0, 0);
    };
    desk::SetFocus(child);
    WaitWindowIdleEx(parent);
    NotifyMouseMove(parent, centre);
    desk::POINT saved;
    desk::GetCursorPos(&saved);
    desk::SetCursorPos(centre.x, centre.y);
    press();
    WaitWindowIdleEx(parent);
    NotifyMouseMove(parent, centre);
    if (doubleClick) press();
    NotifyMouseMove(parent, centre);
    WaitWindowIdleEx(parent);
    desk::SetCursorPos(saved.x, saved.y);
    WaitWindowIdleEx(parent);

    if (topmost && desk::IsWindow(parent)) {
        desk::SetWindowPos(parent, desk::HWND_NOTOPMOST, 0, 0, 0, 0, desk::SWP_NOMOVE | desk::SWP_NOSIZE);
        IdleWaits(parent, kIdleWaitsPerStep);
    }
    return true;
}

} // namespace pellix
