#include "cad/drawing/geometry.h"

#include <algorithm>
#include <cmath>

namespace cad {

double NormalizeDegrees(double degrees) {
    double a = std::fmod(degrees, 360.0);
    if (a < 0) a += 360.0;
    if (a >= 360.0) a = 0;
    return a;
}

Rect Rect::FromCorners(Point a, Point b) {
    Rect r;
    r.Add(a);
    r.Add(b);
    return r;
}

void Rect::Add(Point p) {
    if (empty) {
        minX = maxX = p.x;
        minY = maxY = p.y;
        empty = false;
        return;
    }
    minX = std::min(minX, p.x);
    maxX = std::max(maxX, p.x);
    minY = std::min(minY, p.y);
    maxY = std::max(maxY, p.y);
}

void Rect::Add(const Rect& r) {
    if (r.empty) return;
    Add(Point{r.minX, r.minY});
    Add(Point{r.maxX, r.maxY});
}

bool Rect::Contains(Point p) const { return !empty && p.x >= minX && p.x <= maxX && p.y >= minY && p.y <= maxY; }

bool Rect::ContainsRect(const Rect& r) const {
    return !empty && !r.empty && r.minX >= minX && r.maxX <= maxX && r.minY >= minY && r.maxY <= maxY;
}

bool Rect::Overlaps(const Rect& r) const {
    return !empty && !r.empty && r.minX <= maxX && r.maxX >= minX && r.minY <= maxY && r.maxY >= minY;
}

bool SegmentTouchesRect(Point a, Point b, const Rect& r) {
    if (r.empty) return false;
    // Liang-Barsky clipping: the segment touches when a part of it survives the clip.
    double t0 = 0, t1 = 1;
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x - r.minX, r.maxX - a.x, a.y - r.minY, r.maxY - a.y};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0) t0 = std::max(t0, t);
        else t1 = std::min(t1, t);
        if (t0 > t1) return false;
    }
    return true;
}

Affine Affine::Translation(Point d) {
    Affine m;
    m.tx = d.x;
    m.ty = d.y;
    m.tz = d.z;
    return m;
}

Affine Affine::Rotation(Point centre, double degrees) { return Placement(centre, 1, 1, degrees, centre); }

Affine Affine::Placement(Point base, double sx, double sy, double degrees, Point position) {
    const double c = std::cos(Radians(degrees)), s = std::sin(Radians(degrees));
    Affine m;
    m.m00 = c * sx;
    m.m01 = -s * sy;
    m.m10 = s * sx;
    m.m11 = c * sy;
    m.tx = position.x - (m.m00 * base.x + m.m01 * base.y);
    m.ty = position.y - (m.m10 * base.x + m.m11 * base.y);
    m.tz = position.z - base.z;
    return m;
}

Point Affine::Apply(Point p) const { return {m00 * p.x + m01 * p.y + tx, m10 * p.x + m11 * p.y + ty, p.z + tz}; }

Point Affine::ApplyVector(Point v) const { return {m00 * v.x + m01 * v.y, m10 * v.x + m11 * v.y, v.z}; }

Affine Affine::Then(const Affine& n) const {
    Affine r;
    r.m00 = n.m00 * m00 + n.m01 * m10;
    r.m01 = n.m00 * m01 + n.m01 * m11;
    r.m10 = n.m10 * m00 + n.m11 * m10;
    r.m11 = n.m10 * m01 + n.m11 * m11;
    r.tx = n.m00 * tx + n.m01 * ty + n.tx;
    r.ty = n.m10 * tx + n.m11 * ty + n.ty;
    r.tz = tz + n.tz;
    return r;
}

bool Affine::IsSimilarity() const {
    const double a = std::hypot(m00, m10), b = std::hypot(m01, m11);
    const double dot = m00 * m01 + m10 * m11;
    const double tol = 1e-9 * std::max({a, b, 1e-300});
    return std::fabs(a - b) <= tol && std::fabs(dot) <= tol * std::max(a, b);
}

double Affine::Scale() const { return std::sqrt(std::fabs(Determinant())); }

double Affine::MapAngle(double degrees) const {
    const Point d = ApplyVector({std::cos(Radians(degrees)), std::sin(Radians(degrees))});
    return NormalizeDegrees(Degrees(std::atan2(d.y, d.x)));
}

} // namespace cad
