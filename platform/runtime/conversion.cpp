#include "platform/runtime/conversion.h"

#include "platform/runtime/error.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace rt {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Length of the longest number at the start of `s` (sign, digits, point, exponent).
std::size_t NumberLength(std::string_view s) {
    std::size_t p = 0;
    if (p < s.size() && (s[p] == '+' || s[p] == '-')) ++p;
    std::size_t digits = 0;
    while (p < s.size() && IsDigit(s[p])) ++p, ++digits;
    if (p < s.size() && s[p] == '.') {
        ++p;
        while (p < s.size() && IsDigit(s[p])) ++p, ++digits;
    }
    if (digits == 0) return 0;
    if (p < s.size() && (s[p] == 'E' || s[p] == 'e' || s[p] == 'D' || s[p] == 'd')) {
        std::size_t q = p + 1;
        if (q < s.size() && (s[q] == '+' || s[q] == '-')) ++q;
        std::size_t e = q;
        while (q < s.size() && IsDigit(s[q])) ++q;
        if (q > e) p = q;
    }
    return p;
}

double Parse(std::string_view number) {
    std::string s(number);
    for (char& c : s)
        if (c == 'D' || c == 'd') c = 'E';
    return std::strtod(s.c_str(), nullptr);
}

} // namespace

std::string_view Trim(std::string_view text) {
    static constexpr std::string_view kFullWidthBlank = "\xE3\x80\x80";
    for (;;) {
        if (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
        else if (text.substr(0, 3) == kFullWidthBlank) text.remove_prefix(3);
        else if (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
        else if (text.size() >= 3 && text.substr(text.size() - 3) == kFullWidthBlank) text.remove_suffix(3);
        else return text;
    }
}

double Val(std::string_view text) {
    // Blanks are skipped wherever they stand: "1 234" reads as 1234.
    std::string packed;
    for (char c : text)
        if (!IsBlank(c)) packed += c;
    std::size_t n = NumberLength(packed);
    return n == 0 ? 0.0 : Parse(std::string_view(packed).substr(0, n));
}

bool IsNumeric(std::string_view text) {
    text = Trim(text);
    return !text.empty() && NumberLength(text) == text.size();
}

double CDbl(std::string_view text) {
    std::string_view t = Trim(text);
    if (t.empty() || NumberLength(t) != t.size())
        Raise(errTypeMismatch, "\"" + std::string(text) + "\" is not a number");
    return Parse(t);
}

float CSng(std::string_view text) { return static_cast<float>(CDbl(text)); }

short CInt(double v) {
    double r = std::nearbyint(v); // the default rounding mode is to nearest, ties to even
    if (!(r >= -32768.0 && r <= 32767.0)) Raise(errOverflow);
    return static_cast<short>(r);
}

short CInt(std::string_view text) { return CInt(CDbl(text)); }

double RoundHalfUp(double v, int decimals) {
    double scale = std::pow(10.0, decimals);
    return std::floor(v * scale + 0.5) / scale;
}

double RoundToStep(double x, double step) { return std::floor(x / step + 0.5) * step; }

} // namespace rt
