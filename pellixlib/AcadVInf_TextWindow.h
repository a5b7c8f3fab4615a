#pragma once
// Hiding the CAD's text window off the screen and bringing it back where it was; its state and
// rectangle are kept in the library's key ("TextStyle", "TextRect").
#include "pellixlib/AcadVInf_Products.h"
#include "platform/desktop/types.h"

namespace pellix {

// `screen` is the whole screen (left, top, right, bottom). Whether the window was moved.
bool PlaceTextWindow(TAcadIndex index, desk::HWND textWindow, const desk::RECT& screen, bool hide);

} // namespace pellix
