#pragma once
// Saves a drawing as a DXF file (release 2000 format) that other CAD programs open on the
// drawing: model space entities, the block definitions, colours (given only where not by
// layer), polyline arcs, the drawing's extents and a view of them, texts in code page 932
// (which the header states, $DWGCODEPAGE ANSI_932) with "\U+XXXX" for characters it lacks,
// in a text style whose font shows Japanese.
#include "cad/drawing/drawing.h"

#include <string>

namespace cad::dxf {

// The font file the text style names.
inline constexpr const char* kTextFont = "msgothic.ttc";

// The file is written as it goes to a temporary file beside it, which replaces the file only
// once complete: a failure leaves the file as it was and no partial file behind. Raises
// rt::Error 1004 naming the file when it cannot be written.
void WriteDxf(const Drawing& drawing, const std::string& path);

} // namespace cad::dxf
