#pragma once
// Window operations the control applies to any window, its caller's or one of the attached
// CAD's: a handle that names no window gives false or an empty result, never an error.
#include "pellixlib/AcadVInf_Products.h"
#include "platform/desktop/types.h"

#include <cstdint>
#include <string>

namespace pellix {

// Window handles as the control's callers pass them.
inline desk::HWND WndOf(std::int32_t handle) { return desk::LongToHandle<desk::HWND>(handle); }
inline std::int32_t LongOf(desk::HWND wnd) { return desk::HandleToLong(wnd); }

// The whole window text (empty unless a window).
std::string WndText(desk::HWND wnd);
// The rectangle in screen coordinates as left, top, width, height; the outputs stay untouched
// when it cannot be read.
bool WndSize(desk::HWND wnd, std::int32_t& left, std::int32_t& top, std::int32_t& width, std::int32_t& height);
// Maximised, else minimised, else normal (also for no window).
TShowState WndState(desk::HWND wnd);
// Moves and sizes the window (restored first when maximised or minimised), letting its program
// settle before and after; whether the move succeeded.
bool WndReSize(desk::HWND wnd, std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height);
// Moves the window keeping its size.
bool WndMove(desk::HWND wnd, std::int32_t left, std::int32_t top);
// Restores, minimises or maximises; any other state only shows it. Whether it was visible.
bool WndSetState(desk::HWND wnd, TShowState state);
// Asks the window to close without waiting for it to be handled.
bool WndClose(desk::HWND wnd);
// Brings the window to the top and to the foreground; whether it is the foreground window.
bool WndActivate(desk::HWND wnd);

} // namespace pellix
