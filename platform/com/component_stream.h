#pragma once
// The standard persistence of a control: one component as a stream of its class name and the
// properties that differ from their streamed defaults, in the order written. Layout:
//   "TPF0", class name, component name, then per property its name and a tagged value, then an
//   empty name. A name is a length byte and its bytes; values are an integer (tag 3, 32 bits
//   little-endian), false (tag 8), true (tag 9), an identifier (tag 7, a name) or a string
//   (tag 6, a length byte and code page 932 bytes; tag 12, 32-bit length, for longer ones).
#include "platform/com/hresult.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

namespace com {

struct StreamIdent {
    std::string name;
    friend bool operator==(const StreamIdent&, const StreamIdent&) = default;
};
using StreamValue = std::variant<std::int32_t, bool, StreamIdent, std::string>;

struct ComponentStream {
    std::string className;
    std::string name;
    std::vector<std::pair<std::string, StreamValue>> properties;
};

std::vector<BYTE> WriteComponentStream(const ComponentStream& component);
// Nothing when the bytes are no component stream (wrong signature, cut short, unknown tag).
std::optional<ComponentStream> ReadComponentStream(std::span<const BYTE> bytes);

} // namespace com
