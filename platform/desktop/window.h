#pragma once
// Windows: classes with their window procedures, the window tree (parent, owner, z-order),
// captions, styles, geometry, show state and enumeration in the platform's order.
//
// Z-order: siblings are kept top first. A new child goes to the bottom of its siblings (so the
// first child is the first one created); a new top-level window goes to the top of its band
// (topmost windows above the others); windows owned by a window stay above it.
#include "platform/desktop/types.h"

#include <string>

namespace desk {

// Window styles.
constexpr DWORD WS_OVERLAPPED = 0x00000000;
constexpr DWORD WS_POPUP = 0x80000000;
constexpr DWORD WS_CHILD = 0x40000000;
constexpr DWORD WS_MINIMIZE = 0x20000000;
constexpr DWORD WS_VISIBLE = 0x10000000;
constexpr DWORD WS_DISABLED = 0x08000000;
constexpr DWORD WS_MAXIMIZE = 0x01000000;
constexpr DWORD WS_CAPTION = 0x00C00000;
constexpr DWORD WS_SYSMENU = 0x00080000;
constexpr DWORD WS_OVERLAPPEDWINDOW = 0x00CF0000;
constexpr DWORD WS_EX_TOPMOST = 0x00000008;
constexpr DWORD WS_EX_TOOLWINDOW = 0x00000080;

constexpr int GWL_STYLE = -16;
constexpr int GWL_EXSTYLE = -20;

// ShowWindow commands.
constexpr int SW_HIDE = 0;
constexpr int SW_SHOWNORMAL = 1;
constexpr int SW_SHOWMINIMIZED = 2;
constexpr int SW_SHOWMAXIMIZED = 3;
constexpr int SW_MAXIMIZE = 3;
constexpr int SW_SHOWNOACTIVATE = 4;
constexpr int SW_SHOW = 5;
constexpr int SW_MINIMIZE = 6;
constexpr int SW_SHOWMINNOACTIVE = 7;
constexpr int SW_SHOWNA = 8;
constexpr int SW_RESTORE = 9;
constexpr int SW_SHOWDEFAULT = 10;

// SetWindowPos.
inline const HWND HWND_TOP = nullptr;
inline const HWND HWND_BOTTOM = reinterpret_cast<HWND>(static_cast<std::intptr_t>(1));
inline const HWND HWND_TOPMOST = reinterpret_cast<HWND>(static_cast<std::intptr_t>(-1));
inline const HWND HWND_NOTOPMOST = reinterpret_cast<HWND>(static_cast<std::intptr_t>(-2));
constexpr UINT SWP_NOSIZE = 0x0001;
constexpr UINT SWP_NOMOVE = 0x0002;
constexpr UINT SWP_NOZORDER = 0x0004;
constexpr UINT SWP_NOREDRAW = 0x0008;
constexpr UINT SWP_NOACTIVATE = 0x0010;
constexpr UINT SWP_SHOWWINDOW = 0x0040;
constexpr UINT SWP_HIDEWINDOW = 0x0080;

// GetWindow relations.
constexpr UINT GW_HWNDFIRST = 0;
constexpr UINT GW_HWNDLAST = 1;
constexpr UINT GW_HWNDNEXT = 2;
constexpr UINT GW_HWNDPREV = 3;
constexpr UINT GW_OWNER = 4;
constexpr UINT GW_CHILD = 5;

constexpr int SM_CXSCREEN = 0;
constexpr int SM_CYSCREEN = 1;

// Where a minimised top-level window is put, as the platform does.
constexpr LONG kIconicPosition = -32000;

struct WNDCLASS {
    UINT style = 0;
    WNDPROC lpfnWndProc;
    std::string lpszClassName;
};

// Classes belong to the process that registers them; the system classes "#32770" (dialog),
// "Static", "Button", "Edit", "MDIClient" are there for every process with DefWindowProc.
bool RegisterClass(const WNDCLASS& wc);
bool UnregisterClass(const std::string& className);

// Creates a window of the calling thread. `hWndParent` is the parent for WS_CHILD windows and
// the owner otherwise. `proc`, when given, replaces the class's procedure for this window (the
// way a framework subclasses its windows). WM_CREATE is sent before the call returns; a
// window created with WS_VISIBLE is shown without being activated.
HWND CreateWindowEx(DWORD exStyle, const std::string& className, const std::string& windowName, DWORD style, int x,
                    int y, int width, int height, HWND hWndParent, HMENU menu = nullptr, WNDPROC proc = {});
// Destroys owned windows, the window and its children (WM_DESTROY, then WM_NCDESTROY).
bool DestroyWindow(HWND hwnd);
LRESULT DefWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
// Replaces the window's procedure; returns the previous one.
WNDPROC SetWindowProc(HWND hwnd, WNDPROC proc);

bool IsWindow(HWND hwnd);
HWND GetDesktopWindow();
// The parent of a child window; the owner of a WS_POPUP top-level window; else none.
HWND GetParent(HWND hwnd);
HWND GetWindow(HWND hwnd, UINT cmd);
// The child at the top of the z-order; with none, the topmost top-level window.
HWND GetTopWindow(HWND hwnd);
HWND FindWindow(const char* className, const char* windowName);
HWND FindWindowEx(HWND parent, HWND childAfter, const char* className, const char* windowName);

// Top-level windows, top of the z-order first.
bool EnumWindows(const WNDENUMPROC& proc, LPARAM lParam);
// The top-level windows of one thread, in z-order.
bool EnumThreadWindows(DWORD threadId, const WNDENUMPROC& proc, LPARAM lParam);
// Every descendant, depth first: each child in z-order, followed by its own descendants.
bool EnumChildWindows(HWND parent, const WNDENUMPROC& proc, LPARAM lParam);

// The thread that created the window; `processId` (when given) receives its process.
DWORD GetWindowThreadProcessId(HWND hwnd, DWORD* processId);

// Texts. Window text of a window of another process is the stored caption; of a window of the
// calling process, what the window answers to WM_GETTEXT. Buffers take `maxCount` bytes with the
// terminating zero; the result is the number of bytes copied.
int GetWindowText(HWND hwnd, char* buffer, int maxCount);
int GetWindowTextLength(HWND hwnd);
bool SetWindowText(HWND hwnd, const std::string& text);
int GetClassName(HWND hwnd, char* buffer, int maxCount);
// The stored caption whatever the window answers (for the window's own program).
std::string GetStoredCaption(HWND hwnd);

LONG GetWindowLong(HWND hwnd, int index);

// State.
bool IsWindowVisible(HWND hwnd); // the window and all its ancestors are visible
bool IsWindowEnabled(HWND hwnd);
bool EnableWindow(HWND hwnd, bool enable); // result: the window was disabled before
bool IsIconic(HWND hwnd);
bool IsZoomed(HWND hwnd);
// Result: the window was visible before. Showing a top-level window with an activating command
// makes it the foreground window.
bool ShowWindow(HWND hwnd, int cmdShow);

// Geometry. Child positions are relative to the parent's client area, which is the whole
// window (windows have no frame here). Client rectangles start at (0, 0).
bool GetWindowRect(HWND hwnd, RECT* rect); // screen coordinates
bool GetClientRect(HWND hwnd, RECT* rect);
bool ClientToScreen(HWND hwnd, POINT* point);
bool ScreenToClient(HWND hwnd, POINT* point);
bool MoveWindow(HWND hwnd, int x, int y, int width, int height, bool repaint);
bool SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags);
bool BringWindowToTop(HWND hwnd);
int GetSystemMetrics(int index);

} // namespace desk
