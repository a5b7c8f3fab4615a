#include "vantor/model/main_window.h"

#include "vantor/model/screen_locator.h"

namespace 縦断bus::main_window {

namespace {
ScreenLocator window;
} // namespace

void Set(const forms::Form& main) { window.Set(main); }

void SetWindowState(int state) {
    if (forms::Form* main = window.Loaded()) main->SetWindowState(state);
}

} // namespace 縦断bus::main_window
