#include "cad/drawing/block_definition.h"

#include "cad/drawing/edit.h"

#include <string>

namespace cad {

BlockDefinitionResult DefineBlock(Drawing& drawing, std::string_view name, Point base, const Selection& selection) {
    if (selection.empty()) return BlockDefinitionResult::Empty;
    const auto& all = drawing.Entities();
    for (std::size_t i : selection)
        if (const auto* ins = std::get_if<Insert>(&all[i].shape))
            if (drawing.BlockRefersTo(ins->block, name)) return BlockDefinitionResult::RefersToItself;

    const bool existed = drawing.FindBlock(name) != nullptr;
    Block block{std::string(name), base, {}};
    block.entities.reserve(selection.size());
    for (std::size_t i : selection) block.entities.push_back(all[i]);
    drawing.SetBlock(std::move(block));
    EraseEntities(drawing, selection);
    return existed ? BlockDefinitionResult::Redefined : BlockDefinitionResult::Defined;
}

bool IsValidBlockName(std::string_view name) {
    if (name.empty()) return false;
    for (char c : name) {
        if (static_cast<unsigned char>(c) <= 0x20 || c == 0x7F) return false;
        if (std::string_view("<>/\\\":;?*|,=`").find(c) != std::string_view::npos) return false;
    }
    return true;
}

} // namespace cad
