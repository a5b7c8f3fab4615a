#include "cad/dxf/block_library.h"

#include "cad/drawing/block_definition.h"
#include "cad/dxf/dxf_reader.h"
#include "platform/runtime/error.h"

namespace cad::dxf {

namespace {

void AdoptMissingBlocks(const Drawing& from, Drawing& into, std::vector<std::string>* names) {
    for (const auto& [key, block] : from.Blocks()) {
        if (into.FindBlock(block.name)) continue;
        into.SetBlock(block);
        if (names) names->push_back(block.name);
    }
}

} // namespace

std::vector<std::string> LoadBlocks(const std::string& path, Drawing& drawing, std::vector<std::string>& warnings) {
    const DxfContents file = ReadDxf(path);
    warnings.insert(warnings.end(), file.warnings.begin(), file.warnings.end());
    std::vector<std::string> names;
    AdoptMissingBlocks(file.drawing, drawing, &names);
    return names;
}

void LoadDrawingAsBlock(const std::string& path, std::string_view name, Drawing& drawing,
                        std::vector<std::string>& warnings) {
    DxfContents file = ReadDxf(path);
    warnings.insert(warnings.end(), file.warnings.begin(), file.warnings.end());
    for (const Entity& e : file.drawing.Entities())
        if (const auto* ins = std::get_if<Insert>(&e.shape))
            if (file.drawing.BlockRefersTo(ins->block, name))
                rt::Raise(rt::errApplication, path + ": the drawing inserts block \"" + std::string(name) +
                                                  "\", which would contain itself");
    Block block{std::string(name), file.insertionBase, std::move(file.drawing.Entities())};
    AdoptMissingBlocks(file.drawing, drawing, nullptr);
    drawing.SetBlock(std::move(block));
}

bool BlockFolder::operator()(std::string_view name, Drawing& drawing, std::vector<std::string>& warnings) const {
    if (!IsValidBlockName(name)) return false;
    const std::string wanted = BlockKey(std::string(name) + ".dxf");
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder_, ec)) {
        if (!entry.is_regular_file(ec) || BlockKey(entry.path().filename().string()) != wanted) continue;
        LoadDrawingAsBlock(entry.path().string(), name, drawing, warnings);
        return true;
    }
    return false;
}

std::filesystem::path ExampleBlockFolder() { return VANTOR_CAD_BLOCK_FOLDER; }

} // namespace cad::dxf
