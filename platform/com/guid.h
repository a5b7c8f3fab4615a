#pragma once
// Globally unique ids of classes, interfaces and type libraries, and their text form
// "{8C4F7A25-5E31-4B9D-A6F0-2D71C38E9B45}".
#include "platform/com/hresult.h"

#include <compare>
#include <optional>
#include <string>
#include <string_view>

namespace com {

struct GUID {
    std::uint32_t Data1 = 0;
    std::uint16_t Data2 = 0;
    std::uint16_t Data3 = 0;
    std::uint8_t Data4[8] = {};

    friend constexpr bool operator==(const GUID&, const GUID&) = default;
    friend constexpr auto operator<=>(const GUID&, const GUID&) = default;
};
using IID = GUID;
using CLSID = GUID;
using REFIID = const IID&;
using REFCLSID = const CLSID&;
using REFGUID = const GUID&;

inline constexpr GUID GUID_NULL{};
inline constexpr IID IID_NULL{};

// Upper-case hexadecimal, with braces.
std::string GuidToString(const GUID& guid);
// Accepts the braced form in either case; nothing for any other text.
std::optional<GUID> GuidFromString(std::string_view text);
// As GuidFromString, for a text that must be a GUID (a constant of the program): raises
// std::invalid_argument otherwise.
GUID MakeGuid(std::string_view text);

} // namespace com
