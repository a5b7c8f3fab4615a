#pragma once
// The drawing as a PNG picture: its extents fitted into the picture on white, lines in black
// and their colours. Works without a display (an offscreen Qt platform is used when no Qt
// application runs yet).
#include "cad/drawing/drawing.h"

#include <string>

namespace cad::view {

// Raises rt::Error 1004 when the file cannot be written.
void RenderPng(const Drawing& drawing, const std::string& path, int width, int height);

} // namespace cad::view
