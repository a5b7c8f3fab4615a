#pragma once
// Colours by name or number as typed at the colour prompt.
#include <optional>
#include <string>
#include <string_view>

namespace cad::command {

// "Bylayer", "Byblock", "Red", "Yellow", "Green", "Cyan", "Blue", "Magenta", "White" (any
// case) or a colour number 0 to 256.
std::optional<int> ParseColour(std::string_view text);
std::string ColourName(int colour);

} // namespace cad::command
