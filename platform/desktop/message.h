#pragma once
// Messages: sending (the target's procedure runs and the sender waits for its result), posting
// into the target thread's queue, pumping a thread's queue, registered messages and timers.
//
// Every desktop thread has its own queue. A message sent to a window of another thread that
// runs on the same system thread is handed to the window at once, as if that thread took it
// while the sender waits; one sent from another system thread (a worker) waits until the
// window's thread takes its messages. WM_COPYDATA reaches the window with a copy of the data.
#include "platform/desktop/types.h"

#include <string>

namespace desk {

constexpr UINT PM_NOREMOVE = 0x0000;
constexpr UINT PM_REMOVE = 0x0001;
// Timers run at least this often: a shorter period, 0 included, is raised to it.
constexpr UINT USER_TIMER_MINIMUM = 10;

LRESULT SendMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
// Same thread: handled at once. Other thread: queued as a sent message; returns at once.
bool SendNotifyMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
// False when the window names nothing, or for WM_COPYDATA (its data cannot wait in a queue).
bool PostMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
bool PostThreadMessage(DWORD threadId, UINT msg, WPARAM wParam, LPARAM lParam);
void PostQuitMessage(int exitCode);

// Takes sent messages first, then posted ones, then WM_QUIT, then due timers (WM_TIMER).
// `hwnd` filters to one window (none: every message of the thread); min/max filter by number
// (both 0: all).
bool PeekMessage(MSG* msg, HWND hwnd, UINT filterMin, UINT filterMax, UINT removeMsg);
// Waits for a message; false when it took WM_QUIT.
bool GetMessage(MSG* msg, HWND hwnd, UINT filterMin, UINT filterMax);
// Sleeps until a message comes for the calling thread that did not wait when the call began
// (sent or posted to it, a quit, one of its timers falling due) or, on the main system thread,
// until a started program has done some work; at most `timeoutMs`. True when one came. A loop
// that polls for something rests here between two looks.
bool WaitForNewMessage(DWORD timeoutMs);
bool TranslateMessage(const MSG* msg);
LRESULT DispatchMessage(const MSG* msg);

// The same name (ignoring case) gives the same number, 0xC000-0xFFFF, for every process.
UINT RegisterWindowMessage(const std::string& name);

// Timer `id` of the window (a new id when hwnd is none); returns the id, 0 on failure.
// Setting an existing timer again restarts it with the new period. WM_TIMER comes when the
// thread looks at its queue, the timer is due and no other message waits; missed periods
// give one message.
UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapseMs);
bool KillTimer(HWND hwnd, UINT_PTR id);

} // namespace desk
