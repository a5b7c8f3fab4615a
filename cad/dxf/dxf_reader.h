#pragma once
// Reads a DXF file into a drawing: model space entities and block definitions (lines,
// polylines with their arcs, circles, arcs, texts, inserts). Texts of files before release
// 2007 are read in code page 932, later ones as UTF-8; "\U+XXXX" escapes become their
// characters. An entity that takes its layer's colour gets the colour of its layer where that
// is not the foreground white. What the drawing cannot hold (other entity kinds, paper space,
// polygon meshes) is left out and told in the warnings.
#include "cad/drawing/drawing.h"

#include <string>
#include <vector>

namespace cad::dxf {

struct DxfContents {
    Drawing drawing;
    Point insertionBase; // $INSBASE: where the drawing's own origin lies when inserted as a block
    int skippedEntities = 0;
    std::vector<std::string> warnings; // each names the file and what was left out
};

// Raises rt::Error 1004 naming the file when it cannot be opened, is no ASCII DXF file, holds
// texts that are no valid code page 932, or has inserts of blocks it does not define or block
// definitions that contain themselves.
DxfContents ReadDxf(const std::string& path);

// Opens the drawing file in the drawing: its entities and blocks replace the drawing's.
// Returns the warnings of the file. Raises as ReadDxf, the drawing left as it was.
std::vector<std::string> OpenDxf(const std::string& path, Drawing& drawing);

} // namespace cad::dxf
