#pragma once
// Reads a DXF file into a drawing: model space entities and block definitions (lines,
// polylines, circles, arcs, texts, inserts; other entity kinds are skipped). Texts of files
// before release 2007 are read in code page 932, later ones as UTF-8.
#include "cad/drawing/drawing.h"

#include <string>

namespace cad::dxf {

struct DxfContents {
    Drawing drawing;
    Point insertionBase;  // $INSBASE: where the drawing's own origin lies when inserted as a block
    int skippedEntities = 0;
};

// Raises rt::Error 1004 naming the file when it cannot be opened, is no ASCII DXF file, holds
// texts that are no valid code page 932, or has inserts of blocks it does not define or block
// definitions that contain themselves.
DxfContents ReadDxf(const std::string& path);

} // namespace cad::dxf
