#include "platform/runtime/cp932.h"

#include "platform/runtime/error.h"

#include <cerrno>
#include <iconv.h>

namespace rt {

namespace {

// One converter per direction and thread, opened on first use and closed when the thread ends:
// opening one costs more than converting a command line.
class Converter {
public:
    Converter(const char* to, const char* from) : to_(to), from_(from) {}
    ~Converter() {
        if (cd_ != kNone) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    std::string operator()(std::string_view in) {
        if (cd_ == kNone) {
            cd_ = iconv_open(to_, from_);
            if (cd_ == kNone) Raise(errApplication, std::string("no conversion ") + from_ + " -> " + to_);
        }
        std::string out(in.size() * 2 + 8, '\0');
        char* src = const_cast<char*>(in.data());
        std::size_t left = in.size();
        char* dst = out.data();
        std::size_t room = out.size();
        while (left > 0) {
            if (iconv(cd_, &src, &left, &dst, &room) != static_cast<std::size_t>(-1)) continue;
            if (errno == E2BIG) {
                std::size_t used = dst - out.data();
                out.resize(out.size() * 2);
                dst = out.data() + used;
                room = out.size() - used;
                continue;
            }
            // Back to the initial state for the next text.
            iconv(cd_, nullptr, nullptr, nullptr, nullptr);
            Raise(errTypeMismatch, std::string("text not representable in ") + to_);
        }
        out.resize(dst - out.data());
        return out;
    }

private:
    inline static const iconv_t kNone = reinterpret_cast<iconv_t>(-1);
    const char* to_;
    const char* from_;
    iconv_t cd_ = kNone;
};

// Both encodings write the characters below 0x80 as ASCII does.
bool IsAscii(std::string_view text) {
    for (unsigned char c : text)
        if (c >= 0x80) return false;
    return true;
}

} // namespace

std::string Utf8ToCp932(std::string_view utf8) {
    if (IsAscii(utf8)) return std::string(utf8);
    thread_local Converter toCp932("CP932", "UTF-8");
    return toCp932(utf8);
}

std::string Cp932ToUtf8(std::string_view cp932) {
    if (IsAscii(cp932)) return std::string(cp932);
    thread_local Converter toUtf8("UTF-8", "CP932");
    return toUtf8(cp932);
}

bool IsLeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

std::size_t Len(std::string_view utf8) {
    std::size_t n = 0;
    for (unsigned char c : utf8) {
        if ((c & 0xC0) != 0x80) ++n; // a lead or single byte starts a character
        if ((c & 0xF8) == 0xF0) ++n; // four-byte sequences are two UTF-16 units
    }
    return n;
}

std::size_t LenB(std::string_view utf8) { return Utf8ToCp932(utf8).size(); }

} // namespace rt
