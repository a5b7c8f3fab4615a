#include "platform/com/bstr.h"

#include "platform/runtime/cp932.h"
#include "platform/runtime/error.h"

#include <cstdlib>
#include <cstring>

namespace com {

namespace {

constexpr std::size_t kPrefix = sizeof(std::uint32_t);

std::uint32_t& ByteLength(BSTR text) {
    return *reinterpret_cast<std::uint32_t*>(reinterpret_cast<char*>(text) - kPrefix);
}

} // namespace

BSTR SysAllocStringLen(LPCOLESTR text, UINT length) {
    const std::size_t bytes = static_cast<std::size_t>(length) * sizeof(OLECHAR);
    if (bytes > 0xFFFFFFF0u) return nullptr;
    char* block = static_cast<char*>(std::malloc(kPrefix + bytes + sizeof(OLECHAR)));
    if (!block) return nullptr;
    BSTR result = reinterpret_cast<BSTR>(block + kPrefix);
    ByteLength(result) = static_cast<std::uint32_t>(bytes);
    if (text) std::memcpy(result, text, bytes);
    else std::memset(result, 0, bytes);
    result[length] = 0;
    return result;
}

BSTR SysAllocString(LPCOLESTR text) {
    if (!text) return nullptr;
    return SysAllocStringLen(text, static_cast<UINT>(std::char_traits<char16_t>::length(text)));
}

void SysFreeString(BSTR text) {
    if (text) std::free(reinterpret_cast<char*>(text) - kPrefix);
}

UINT SysStringByteLen(BSTR text) { return text ? ByteLength(text) : 0; }
UINT SysStringLen(BSTR text) { return SysStringByteLen(text) / sizeof(OLECHAR); }

std::u16string Utf16FromUtf8(std::string_view s) {
    std::u16string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size();) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        int extra = c < 0x80 ? 0 : (c & 0xE0) == 0xC0 ? 1 : (c & 0xF0) == 0xE0 ? 2 : (c & 0xF8) == 0xF0 ? 3 : -1;
        char32_t cp = extra == 0 ? c : extra == 1 ? (c & 0x1F) : extra == 2 ? (c & 0x0F) : (c & 0x07);
        bool ok = extra >= 0 && i + static_cast<std::size_t>(extra) < s.size();
        for (int k = 1; ok && k <= extra; ++k) {
            const unsigned char t = static_cast<unsigned char>(s[i + k]);
            if ((t & 0xC0) != 0x80) ok = false;
            else cp = cp << 6 | (t & 0x3F);
        }
        static constexpr char32_t kLeast[4] = {0, 0x80, 0x800, 0x10000};
        if (ok && (cp < kLeast[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))) ok = false;
        if (!ok) {
            out.push_back(u'\uFFFD');
            ++i;
            continue;
        }
        i += static_cast<std::size_t>(extra) + 1;
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(cp));
        }
    }
    return out;
}

std::string Utf8FromUtf16(std::u16string_view s) {
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        char32_t cp = s[i];
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < s.size() && s[i + 1] >= 0xDC00 && s[i + 1] <= 0xDFFF) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (s[++i] - 0xDC00);
        } else if (cp >= 0xD800 && cp <= 0xDFFF) {
            cp = 0xFFFD;
        }
        if (cp < 0x80) {
            out.push_back(static_cast<char>(cp));
        } else if (cp < 0x800) {
            out.push_back(static_cast<char>(0xC0 | cp >> 6));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else if (cp < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | cp >> 12));
            out.push_back(static_cast<char>(0x80 | (cp >> 6 & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | cp >> 18));
            out.push_back(static_cast<char>(0x80 | (cp >> 12 & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp >> 6 & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        }
    }
    return out;
}

BSTR BstrFromUtf8(std::string_view utf8) {
    const std::u16string wide = Utf16FromUtf8(utf8);
    return SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
}

std::string Utf8FromBstr(BSTR text) {
    return Utf8FromUtf16(std::u16string_view(text ? text : u"", SysStringLen(text)));
}

BSTR BstrFromAnsi(std::string_view cp932) { return BstrFromUtf8(rt::Cp932ToUtf8(cp932)); }

std::string AnsiFromBstr(BSTR text) {
    const std::string utf8 = Utf8FromBstr(text);
    try {
        return rt::Utf8ToCp932(utf8);
    } catch (const rt::Error&) {}
    // Some character has no code page 932 form: convert one character at a time.
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        std::size_t n = 1;
        while (i + n < utf8.size() && (static_cast<unsigned char>(utf8[i + n]) & 0xC0) == 0x80) ++n;
        try {
            out += rt::Utf8ToCp932(std::string_view(utf8).substr(i, n));
        } catch (const rt::Error&) {
            out += '?';
        }
        i += n;
    }
    return out;
}

} // namespace com
