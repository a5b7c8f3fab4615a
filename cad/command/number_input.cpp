#include "cad/command/number_input.h"

#include <charconv>
#include <cmath>

namespace cad::command {

std::optional<double> ParseNumber(std::string_view text) {
    if (text.empty()) return std::nullopt;
    bool negative = false;
    if (text.front() == '+' || text.front() == '-') {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    // Only digits, one point and an exponent: no "inf", "nan" or hexadecimal forms.
    bool digit = false;
    for (char c : text) {
        if (c >= '0' && c <= '9') digit = true;
        else if (c != '.' && c != 'e' && c != 'E' && c != '+' && c != '-') return std::nullopt;
    }
    if (!digit || !(text.front() == '.' || (text.front() >= '0' && text.front() <= '9'))) return std::nullopt;
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
    if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) return std::nullopt;
    return negative ? -value : value;
}

std::optional<Point> ParsePoint(std::string_view text, Point last) {
    const bool relative = !text.empty() && text.front() == '@';
    if (relative) {
        text.remove_prefix(1);
        if (text.empty()) return last;
    }
    double v[3] = {0, 0, 0};
    int count = 0;
    while (true) {
        const std::size_t comma = text.find(',');
        if (count == 3) return std::nullopt;
        const auto n = ParseNumber(text.substr(0, comma));
        if (!n) return std::nullopt;
        v[count++] = *n;
        if (comma == std::string_view::npos) break;
        text.remove_prefix(comma + 1);
    }
    if (count < 2) return std::nullopt;
    if (relative) return Point{last.x + v[0], last.y + v[1], last.z + v[2]};
    return Point{v[0], v[1], v[2]};
}

} // namespace cad::command
