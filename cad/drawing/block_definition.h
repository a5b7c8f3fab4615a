#pragma once
// Making a block from selected entities of model space.
#include "cad/drawing/selection.h"

#include <string_view>

namespace cad {

enum class BlockDefinitionResult {
    Defined,       // a new block
    Redefined,     // replaced an existing definition; its inserts show the new one
    Empty,         // nothing selected: nothing changed
    RefersToItself // a selected insert holds the block itself: nothing changed
};

// Entities become the block's, relative to `base`, and leave model space.
BlockDefinitionResult DefineBlock(Drawing& drawing, std::string_view name, Point base, const Selection& selection);

// Whether the text can name a block: not empty, no blank or control character and none of
// the characters < > / \ " : ; ? * | , = `.
bool IsValidBlockName(std::string_view name);

} // namespace cad
