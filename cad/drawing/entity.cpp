#include "cad/drawing/entity.h"

#include <algorithm>
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

bool Polyline::HasArcs() const {
    return std::any_of(bulges.begin(), bulges.end(), [](double b) { return b != 0; });
}

bool Polyline::operator==(const Polyline& other) const {
    if (vertices != other.vertices) return false;
    for (std::size_t i = 0; i + 1 < vertices.size(); ++i)
        if (Bulge(i) != other.Bulge(i)) return false;
    return true;
}

namespace {
// Centre of the circle through a and b whose arc from a to b has the bulge.
Point BulgeCentre(Point a, Point b, double bulge) {
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double k = (1 - bulge * bulge) / (4 * bulge); // offset along the left normal, in chords
    return {(a.x + b.x) / 2 - k * dy, (a.y + b.y) / 2 + k * dx, a.z};
}

double DirectionDegrees(Point from, Point to) {
    return NormalizeDegrees(Degrees(std::atan2(to.y - from.y, to.x - from.x)));
}
} // namespace

Arc BulgeArc(Point a, Point b, double bulge) {
    const Point c = BulgeCentre(a, b, bulge);
    const double r = std::hypot(a.x - c.x, a.y - c.y);
    if (bulge > 0) return Arc{c, r, DirectionDegrees(c, a), DirectionDegrees(c, b)};
    return Arc{c, r, DirectionDegrees(c, b), DirectionDegrees(c, a)};
}

Polyline Flattened(const Polyline& polyline, double stepDegrees) {
    if (!polyline.HasArcs()) return Polyline{polyline.vertices, {}};
    Polyline out;
    const auto& v = polyline.vertices;
    for (std::size_t i = 0; i < v.size(); ++i) {
        out.vertices.push_back(v[i]);
        const double bulge = polyline.Bulge(i);
        if (bulge == 0 || i + 1 == v.size()) continue;
        const Point c = BulgeCentre(v[i], v[i + 1], bulge);
        const double r = std::hypot(v[i].x - c.x, v[i].y - c.y);
        const double start = std::atan2(v[i].y - c.y, v[i].x - c.x);
        const double sweep = 4 * std::atan(bulge);
        const int steps = std::max(1, static_cast<int>(std::ceil(std::fabs(Degrees(sweep)) / stepDegrees)));
        for (int k = 1; k < steps; ++k) {
            const double a = start + sweep * k / steps;
            out.vertices.push_back({c.x + r * std::cos(a), c.y + r * std::sin(a), v[i].z});
        }
    }
    return out;
}

double TextWidth(const Text& text) {
    double units = 0;
    const std::string& s = text.text;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const auto c = static_cast<unsigned char>(s[i]);
        if ((c & 0xC0) == 0x80) continue; // continuation byte
        units += HalfWidthAt(s, i) ? 0.6 : 1.0;
    }
    return units * text.height;
}

} // namespace cad
