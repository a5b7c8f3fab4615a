#pragma once
// Texts in DXF files: code page 932 bytes, with "\U+XXXX" (a UTF-16 unit in hexadecimal) for
// characters that code page 932 cannot hold, as CAD programs write them.
#include <string>
#include <string_view>

namespace cad::dxf {

// UTF-8 text as code page 932 bytes; characters without a counterpart become "\U+XXXX".
std::string EncodeDxfText(std::string_view utf8);

// Replaces every "\U+XXXX" of a UTF-8 text by its character (surrogate pairs joined). An
// escape that names no character is left as it stands.
std::string DecodeUnicodeEscapes(std::string_view utf8);

} // namespace cad::dxf
