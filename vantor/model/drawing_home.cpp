#include "vantor/model/drawing_home.h"

#include "vantor/model/screen_locator.h"

namespace 縦断bus::drawing_home {

namespace {
ScreenLocator home;
} // namespace

void Set(const forms::Form& screen) { home.Set(screen); }

void Show() {
    if (forms::Form* screen = home.Loaded()) screen->Show();
}

} // namespace 縦断bus::drawing_home
