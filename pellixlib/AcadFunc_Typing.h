#pragma once
// Typing into the CAD's command line: text as WM_COPYDATA to the main frame (whole, or line by
// line while watching the command line) and single characters as WM_CHAR. A carriage return
// or a trailing blank is Enter; character 3 (Ctrl+C) cancels.
#include "pellixlib/AcadFunc_Windows.h"

#include <string>

namespace pellix {

inline constexpr int kCopyDataAttempts = 11;

// Sends `text` (with its terminating zero) as WM_COPYDATA to `target`, again up to eleven times
// while the target does not take it; then moves the mouse over `client`'s centre. Whether the
// target took the text.
bool SendCopyDataText(desk::HWND target, const std::string& text, const desk::RECT& client, TTextBuffer& sendBuffer);
// Types `text` into the frame once the command-line window `commandLine` shows something; line
// by line, each line up to and including its carriage return is sent on its own (a line feed
// after it is dropped, as is anything after the last carriage return).
bool SendCommandString(desk::HWND target, desk::HWND commandLine, const std::string& text, TTextBuffer& sendBuffer,
                       bool lineByLine);
// Posts one character as WM_CHAR.
bool PostCharKey(desk::HWND wnd, char ch);

} // namespace pellix
