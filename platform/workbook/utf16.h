#pragma once
// UTF-8 <-> UTF-16, the file format's text encoding. Malformed input becomes U+FFFD.
#include <string>
#include <string_view>

namespace xl::detail {

std::u16string Utf8ToUtf16(std::string_view utf8);
void AppendUtf8AsUtf16(std::u16string& out, std::string_view utf8);
void AppendUtf16AsUtf8(std::string& out, std::u16string_view utf16);

} // namespace xl::detail
