#pragma once
// The screen the drawing sub-screens go back to when they close: the drawing screen names
// itself here when it loads, so that the screens it opens (and the screens they open in turn)
// show it again without knowing it.
#include "platform/forms/form.h"

namespace 縦断bus::drawing_home {

void Set(const forms::Form& screen);
// Shows the home screen again while it is loaded; nothing before it has loaded.
void Show();

} // namespace 縦断bus::drawing_home
