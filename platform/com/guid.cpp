#include "platform/com/guid.h"

#include <cstdio>
#include <stdexcept>

namespace com {

std::string GuidToString(const GUID& g) {
    char text[39];
    std::snprintf(text, sizeof text, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}", g.Data1, g.Data2, g.Data3,
                  g.Data4[0], g.Data4[1], g.Data4[2], g.Data4[3], g.Data4[4], g.Data4[5], g.Data4[6], g.Data4[7]);
    return text;
}

namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Reads `digits` hexadecimal digits at `pos`.
std::optional<std::uint32_t> Hex(std::string_view text, std::size_t pos, int digits) {
    std::uint32_t value = 0;
    for (int i = 0; i < digits; ++i) {
        const int d = HexDigit(text[pos + i]);
        if (d < 0) return std::nullopt;
        value = value << 4 | static_cast<std::uint32_t>(d);
    }
    return value;
}

} // namespace

std::optional<GUID> GuidFromString(std::string_view text) {
    // {XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}
    if (text.size() != 38 || text.front() != '{' || text.back() != '}' || text[9] != '-' || text[14] != '-' ||
        text[19] != '-' || text[24] != '-')
        return std::nullopt;
    GUID g;
    const auto d1 = Hex(text, 1, 8), d2 = Hex(text, 10, 4), d3 = Hex(text, 15, 4);
    if (!d1 || !d2 || !d3) return std::nullopt;
    g.Data1 = *d1;
    g.Data2 = static_cast<std::uint16_t>(*d2);
    g.Data3 = static_cast<std::uint16_t>(*d3);
    static constexpr std::size_t bytePos[8] = {20, 22, 25, 27, 29, 31, 33, 35};
    for (int i = 0; i < 8; ++i) {
        const auto b = Hex(text, bytePos[i], 2);
        if (!b) return std::nullopt;
        g.Data4[i] = static_cast<std::uint8_t>(*b);
    }
    return g;
}

GUID MakeGuid(std::string_view text) {
    if (auto g = GuidFromString(text)) return *g;
    throw std::invalid_argument("not a GUID: " + std::string(text));
}

} // namespace com
