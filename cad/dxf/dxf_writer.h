#pragma once
// Saves a drawing as a DXF file (release 2000 format) that other CAD programs open: model
// space entities, the block definitions, colours (given only where not by layer) and texts in
// code page 932, which the header states ($DWGCODEPAGE ANSI_932).
#include "cad/drawing/drawing.h"

#include <string>

namespace cad::dxf {

// Raises rt::Error 1004 when the file cannot be written.
void WriteDxf(const Drawing& drawing, const std::string& path);

} // namespace cad::dxf
