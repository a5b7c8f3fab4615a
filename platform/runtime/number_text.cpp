#include "platform/runtime/number_text.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace rt {

namespace {

// General format with `digits` significant digits, the text of printf's %.*G: the exponent
// form from 10^digits and below 1E-04, no trailing zeros, a two-digit exponent at least.
// std::to_chars writes the same text as %.*g several times faster; only the 'e' differs.
std::string General(double v, int digits) {
    if (v == 0.0) return "0";
    if (std::isnan(v)) return "NaN";
    if (std::isinf(v)) return v > 0 ? "inf" : "-inf";
    char buf[64];
    char* const end = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, digits).ptr;
    for (char* c = buf; c != end; ++c)
        if (*c == 'e') *c = 'E';
    return std::string(buf, end);
}

// CStr -> Str: a blank in place of the sign of non-negatives, no zero before the point.
std::string ToStrForm(std::string s) {
    bool negative = !s.empty() && s[0] == '-';
    std::string body = negative ? s.substr(1) : s;
    if (body.size() > 1 && body[0] == '0' && body[1] == '.') body.erase(0, 1);
    return (negative ? "-" : " ") + body;
}

} // namespace

std::string CStr(float v) { return General(static_cast<double>(v), 7); }
std::string CStr(double v) { return General(v, 15); }
std::string CStr(long long v) {
    // Not std::to_chars: its integer table is a unique symbol, which would keep a library
    // that converts numbers from ever being unloaded.
    char buf[32];
    std::snprintf(buf, sizeof buf, "%lld", v);
    return buf;
}

std::string Str(float v) { return ToStrForm(CStr(v)); }
std::string Str(double v) { return ToStrForm(CStr(v)); }
std::string Str(long long v) { return ToStrForm(CStr(v)); }

} // namespace rt
