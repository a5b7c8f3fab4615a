#pragma once
// Block definitions taken from DXF files: the blocks of a library file, and a folder of
// drawing files NAME.dxf, each inserted as the block NAME the way a CAD looks for a drawing
// file of the block's name on its search path.
#include "cad/drawing/drawing.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace cad::dxf {

// Defines every named block of the file that the drawing does not define yet; returns the
// names defined. What of the file could not be read is added to `warnings`. Raises rt::Error
// as ReadDxf does.
std::vector<std::string> LoadBlocks(const std::string& path, Drawing& drawing, std::vector<std::string>& warnings);

// Defines block `name` from the file: its model space, based at its $INSBASE, together with
// the blocks it uses that the drawing does not define yet.
void LoadDrawingAsBlock(const std::string& path, std::string_view name, Drawing& drawing,
                        std::vector<std::string>& warnings);

// A folder of NAME.dxf files (the name matched without regard to case). Usable as the block
// source of the command line.
class BlockFolder {
public:
    explicit BlockFolder(std::filesystem::path folder) : folder_(std::move(folder)) {}
    // False when the folder has no file of that name.
    bool operator()(std::string_view name, Drawing& drawing, std::vector<std::string>& warnings) const;

private:
    std::filesystem::path folder_;
};

// The folder of example blocks shipped with the program (a planned section "KEI1" and an
// existing ground "GEN1").
std::filesystem::path ExampleBlockFolder();

} // namespace cad::dxf
