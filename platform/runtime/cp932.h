#pragma once
// Code page 932 (Japanese Shift-JIS as Windows uses it). The program holds texts as UTF-8;
// texts cross to the CAD and to 8-bit files in code page 932.
#include <string>
#include <string_view>

namespace rt {

// Conversions; a character without a counterpart raises error 13 naming the text.
std::string Utf8ToCp932(std::string_view utf8);
std::string Cp932ToUtf8(std::string_view cp932);

// First byte of a double-byte character (0x81-0x9F, 0xE0-0xFC).
bool IsLeadByte(unsigned char c);

// Characters of a UTF-8 text as the language counts them (UTF-16 units).
std::size_t Len(std::string_view utf8);
// Bytes of the text in code page 932 (half-width = 1, full-width = 2).
std::size_t LenB(std::string_view utf8);

} // namespace rt
