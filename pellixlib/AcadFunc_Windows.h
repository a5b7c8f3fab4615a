#pragma once
// Window routines of the library: texts and buffers, window lists, waiting for a program to be
// idle while serving the caller's own queue, the foreground, finding and clicking a child.
#include "platform/desktop/types.h"

#include <string>
#include <vector>

namespace pellix {

// A reusable character buffer owned by its user; Capacity -1 while there is none.
struct TTextBuffer {
    std::vector<char> Buffer;
    int Capacity = -1;
};
void InitTextBuffer(TTextBuffer& buffer);
void FreeTextBuffer(TTextBuffer& buffer);
// Puts `text` into the buffer, which holds at least n + 1 characters (a new one at least
// 2048 + 1); the characters, or none when memory ran out.
char* SetTextBuffer(int n, const std::string& text, TTextBuffer& buffer);
// The window's text as it answers WM_GETTEXT; empty when it is no window or has no text.
std::string ReadWindowText(desk::HWND wnd, TTextBuffer& buffer);

// Class name and caption (100 characters); empty when there is none.
std::string GetWndClassName(desk::HWND wnd);
std::string GetWndCaption(desk::HWND wnd);

// A list of window handles with an active and a last-used one.
class TWindowList {
public:
    virtual ~TWindowList() = default;
    void AddWnd(desk::HWND wnd) { FItems.push_back(wnd); }
    desk::HWND GetWnd(int index) const;
    void Assign(const TWindowList* source);
    void Clear() { FItems.clear(); }
    int Count() const { return static_cast<int>(FItems.size()); }

    desk::HWND FActiveWnd = nullptr;
    desk::HWND FLastWnd = nullptr;

protected:
    std::vector<desk::HWND> FItems;
};

// Dispatches every message waiting for the calling thread; true as soon as a quit message is
// taken (that one is not dispatched).
bool PumpMessages();
// Waits until the window's process is idle for input.
void WaitWindowIdle(desk::HWND wnd);
// The same between two rounds of PumpMessages, so the caller's own windows stay served.
void WaitWindowIdleEx(desk::HWND wnd);
// Makes the window the foreground window; whether it is afterwards.
bool ForceForeground(desk::HWND wnd);
// A hidden tool window of the calling thread whose messages go to `proc`; its class is
// registered on the first call.
desk::HWND CreateHiddenWindow(const std::string& className, desk::WNDPROC proc);

// The first descendant whose caption contains `caption` (when given) and whose class is
// `classSpec` (when given; "*Class" also asks for a non-empty caption).
desk::HWND FindChildWindow(desk::HWND parent, const std::string& caption, const std::string& classSpec);
// Clicks the centre of that child with the mouse, as a user would.
bool MouseClickWindow(desk::HWND parent, const std::string& caption, const std::string& classSpec, bool topmost,
                      bool doubleClick, bool rightButton);

} // namespace pellix
