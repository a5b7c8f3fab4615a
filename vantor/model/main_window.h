#pragma once
// The program's main window as the screens below it reach it: it names itself here when it
// loads, so that the drawing screen, which the main window's drawing command shows with the
// main window minimised, maximises it again on its way back, by whichever route it was shown.
#include "platform/forms/form.h"

namespace 縦断bus::main_window {

void Set(const forms::Form& window);
// Sets the main window's state while it is loaded; nothing before it has loaded.
void SetWindowState(int state);

} // namespace 縦断bus::main_window
