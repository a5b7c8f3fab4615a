#include "cad/drawing/entity.h"

#include <cmath>

namespace cad {

namespace {
Point OnCircle(Point c, double r, double degrees) {
    return {c.x + r * std::cos(Radians(degrees)), c.y + r * std::sin(Radians(degrees)), c.z};
}

// Half-width characters: ASCII and the half-width katakana block U+FF61..U+FF9F
// (UTF-8 EF BD A1..EF BE 9F).
bool HalfWidthAt(const std::string& s, std::size_t i) {
    const auto c = static_cast<unsigned char>(s[i]);
    if (c < 0x80) return true;
    if (c != 0xEF || i + 2 >= s.size()) return false;
    const auto c1 = static_cast<unsigned char>(s[i + 1]), c2 = static_cast<unsigned char>(s[i + 2]);
    return (c1 == 0xBD && c2 >= 0xA1) || (c1 == 0xBE && c2 <= 0x9F);
}
} // namespace

Point Arc::Start() const { return OnCircle(centre, radius, startAngle); }
Point Arc::End() const { return OnCircle(centre, radius, endAngle); }

bool Arc::Covers(double degrees) const {
    const double sweep = NormalizeDegrees(endAngle - startAngle);
    return NormalizeDegrees(degrees - startAngle) <= (sweep == 0 ? 360.0 : sweep);
}

double TextWidth(const Text& text) {
    double units = 0;
    const std::string& s = text.text;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const auto c = static_cast<unsigned char>(s[i]);
        if ((c & 0xC0) == 0x80) continue;  // continuation byte
        units += HalfWidthAt(s, i) ? 0.6 : 1.0;
    }
    return units * text.height;
}

} // namespace cad
