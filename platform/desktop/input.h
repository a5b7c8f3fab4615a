#pragma once
// Input state: the foreground window, the active and focus windows, thread input attachment,
// the cursor and synthetic mouse clicks routed to the window under the cursor.
#include "platform/desktop/types.h"

namespace desk {

constexpr DWORD MOUSEEVENTF_MOVE = 0x0001;
constexpr DWORD MOUSEEVENTF_LEFTDOWN = 0x0002;
constexpr DWORD MOUSEEVENTF_LEFTUP = 0x0004;
constexpr DWORD MOUSEEVENTF_RIGHTDOWN = 0x0008;
constexpr DWORD MOUSEEVENTF_RIGHTUP = 0x0010;
constexpr DWORD MOUSEEVENTF_ABSOLUTE = 0x8000;

HWND GetForegroundWindow();
// Activates the window's top-level window: it goes to the top of the z-order and becomes the
// foreground window (WM_ACTIVATE to the old and the new one); focus moves into it.
bool SetForegroundWindow(HWND hwnd);
// The active window and the focus window, when they belong to the calling thread or to a
// thread whose input is attached to it; none otherwise.
HWND GetActiveWindow();
HWND SetActiveWindow(HWND hwnd);
HWND GetFocus();
// Gives the window the keyboard focus (WM_KILLFOCUS, WM_SETFOCUS) and activates its top-level
// window; returns the previous focus window.
HWND SetFocus(HWND hwnd);
bool AttachThreadInput(DWORD attachThread, DWORD attachToThread, bool attach);

bool GetCursorPos(POINT* point);
bool SetCursorPos(int x, int y);
// The deepest visible, enabled window under the point (screen coordinates); none over a disabled
// top-level window.
HWND WindowFromPoint(POINT point);
// Button presses and releases are posted to the window under the cursor as WM_xBUTTONDOWN/UP
// with client coordinates; a press activates that window's top-level window. With
// MOUSEEVENTF_MOVE the cursor moves first (absolute: 0-65535 over the screen) and WM_MOUSEMOVE
// is posted.
void mouse_event(DWORD flags, DWORD dx, DWORD dy, DWORD data, ULONG_PTR extraInfo);

// Sounds a beep (counted for tests).
bool MessageBeep(UINT type);

} // namespace desk
