#include "cad/command/colour_names.h"

#include "cad/command/number_input.h"
#include "cad/drawing/entity.h"
#include "platform/runtime/number_text.h"

#include <array>
#include <cmath>
#include <utility>

namespace cad::command {

namespace {
constexpr std::array<std::pair<std::string_view, int>, 9> kNames{{
    {"BYLAYER", kByLayer},
    {"BYBLOCK", kByBlock},
    {"RED", kRed},
    {"YELLOW", kYellow},
    {"GREEN", kGreen},
    {"CYAN", kCyan},
    {"BLUE", kBlue},
    {"MAGENTA", kMagenta},
    {"WHITE", kWhite},
}};
} // namespace

std::optional<int> ParseColour(std::string_view text) {
    std::string upper(text);
    for (char& c : upper)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    for (const auto& [name, number] : kNames)
        if (name == upper) return number;
    const auto n = ParseNumber(text);
    if (n && *n >= 0 && *n <= 256 && std::floor(*n) == *n) return static_cast<int>(*n);
    return std::nullopt;
}

std::string ColourName(int colour) {
    for (const auto& [name, number] : kNames)
        if (number == colour) return std::string(name);
    return rt::CStr(colour);
}

} // namespace cad::command
