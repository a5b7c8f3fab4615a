#include "cad/dxf/text_escapes.h"

#include "platform/runtime/cp932.h"
#include "platform/runtime/error.h"

#include <cstdio>

namespace cad::dxf {

namespace {

// Length of the UTF-8 sequence that starts with this byte (1 for a stray byte).
std::size_t SequenceLength(unsigned char lead) {
    if (lead >= 0xF0) return 4;
    if (lead >= 0xE0) return 3;
    if (lead >= 0xC0) return 2;
    return 1;
}

char32_t CodePoint(std::string_view s) {
    const auto b = [&](std::size_t i) { return static_cast<char32_t>(static_cast<unsigned char>(s[i])); };
    switch (s.size()) {
    case 2: return ((b(0) & 0x1F) << 6) | (b(1) & 0x3F);
    case 3: return ((b(0) & 0x0F) << 12) | ((b(1) & 0x3F) << 6) | (b(2) & 0x3F);
    case 4: return ((b(0) & 0x07) << 18) | ((b(1) & 0x3F) << 12) | ((b(2) & 0x3F) << 6) | (b(3) & 0x3F);
    default: return b(0);
    }
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

void AppendEscape(std::string& out, unsigned unit) {
    char hex[10];
    std::snprintf(hex, sizeof hex, "\\U+%04X", unit);
    out += hex;
}

// The UTF-16 unit of an escape "\U+XXXX" at the start of the text.
bool ReadEscape(std::string_view s, unsigned& unit) {
    if (s.size() < 7 || s[0] != '\\' || (s[1] != 'U' && s[1] != 'u') || s[2] != '+') return false;
    unit = 0;
    for (std::size_t i = 3; i < 7; ++i) {
        const char c = s[i];
        const int digit = c >= '0' && c <= '9'   ? c - '0'
                          : c >= 'A' && c <= 'F' ? c - 'A' + 10
                          : c >= 'a' && c <= 'f' ? c - 'a' + 10
                                                 : -1;
        if (digit < 0) return false;
        unit = unit * 16 + static_cast<unsigned>(digit);
    }
    return true;
}

} // namespace

std::string EncodeDxfText(std::string_view utf8) {
    try {
        return rt::Utf8ToCp932(utf8);
    } catch (const rt::Error&) {}
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t n = std::min(SequenceLength(static_cast<unsigned char>(utf8[i])), utf8.size() - i);
        const std::string_view one = utf8.substr(i, n);
        i += n;
        try {
            out += rt::Utf8ToCp932(one);
            continue;
        } catch (const rt::Error&) {}
        const char32_t c = CodePoint(one);
        if (c >= 0x10000) {
            AppendEscape(out, 0xD800 + ((c - 0x10000) >> 10));
            AppendEscape(out, 0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            AppendEscape(out, c);
        }
    }
    return out;
}

std::string DecodeUnicodeEscapes(std::string_view utf8) {
    if (utf8.find('\\') == std::string_view::npos) return std::string(utf8);
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        unsigned unit = 0;
        if (!ReadEscape(utf8.substr(i), unit) || unit == 0 || (unit >= 0xDC00 && unit < 0xE000)) {
            out += utf8[i++];
            continue;
        }
        if (unit >= 0xD800 && unit < 0xDC00) {
            unsigned low = 0;
            if (!ReadEscape(utf8.substr(i + 7), low) || low < 0xDC00 || low >= 0xE000) {
                out += utf8[i++];
                continue;
            }
            AppendUtf8(out, 0x10000 + ((static_cast<char32_t>(unit) - 0xD800) << 10) + (low - 0xDC00));
            i += 14;
            continue;
        }
        AppendUtf8(out, unit);
        i += 7;
    }
    return out;
}

} // namespace cad::dxf
