#include "platform/runtime/cp932.h"

#include "platform/runtime/error.h"

#include <cerrno>
#include <iconv.h>

namespace rt {

namespace {

std::string Convert(const char* to, const char* from, std::string_view in) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) Raise(errApplication, std::string("no conversion ") + from + " -> " + to);
    std::string out(in.size() * 2 + 8, '\0');
    char* src = const_cast<char*>(in.data());
    std::size_t left = in.size();
    char* dst = out.data();
    std::size_t room = out.size();
    while (left > 0) {
        if (iconv(cd, &src, &left, &dst, &room) != static_cast<std::size_t>(-1)) continue;
        if (errno == E2BIG) {
            std::size_t used = dst - out.data();
            out.resize(out.size() * 2);
            dst = out.data() + used;
            room = out.size() - used;
            continue;
        }
        iconv_close(cd);
        Raise(errTypeMismatch, std::string("text not representable in ") + to);
    }
    iconv_close(cd);
    out.resize(dst - out.data());
    return out;
}

} // namespace

std::string Utf8ToCp932(std::string_view utf8) { return Convert("CP932", "UTF-8", utf8); }
std::string Cp932ToUtf8(std::string_view cp932) { return Convert("UTF-8", "CP932", cp932); }

bool IsLeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

std::size_t Len(std::string_view utf8) {
    std::size_t n = 0;
    for (unsigned char c : utf8) {
        if ((c & 0xC0) != 0x80) ++n;  // a lead or single byte starts a character
        if ((c & 0xF8) == 0xF0) ++n;  // four-byte sequences are two UTF-16 units
    }
    return n;
}

std::size_t LenB(std::string_view utf8) { return Utf8ToCp932(utf8).size(); }

} // namespace rt
