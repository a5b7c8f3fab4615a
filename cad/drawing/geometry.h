#pragma once
// Plane geometry of the drawing: points, axis-aligned rectangles and the affine maps that
// move, rotate, scale and mirror entities.
#include <vector>

namespace cad {

struct Point {
    double x = 0;
    double y = 0;
    double z = 0;

    bool operator==(const Point&) const = default;
};

inline Point operator+(Point a, Point b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
inline Point operator-(Point a, Point b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }

constexpr double kPi = 3.14159265358979323846;
inline double Radians(double degrees) { return degrees * kPi / 180.0; }
inline double Degrees(double radians) { return radians * 180.0 / kPi; }
// An angle in degrees brought into [0, 360).
double NormalizeDegrees(double degrees);

// Axis-aligned rectangle; empty until a point is added.
struct Rect {
    double minX = 0, minY = 0, maxX = 0, maxY = 0;
    bool empty = true;

    static Rect FromCorners(Point a, Point b);
    void Add(Point p);
    void Add(const Rect& r);
    bool Contains(Point p) const;           // boundary included
    bool ContainsRect(const Rect& r) const; // r wholly inside
    bool Overlaps(const Rect& r) const;
};

// Whether the segment a-b touches the rectangle (inside it or crossing an edge).
bool SegmentTouchesRect(Point a, Point b, const Rect& r);

// x' = m00 x + m01 y + tx, y' = m10 x + m11 y + ty, z' = z + tz.
struct Affine {
    double m00 = 1, m01 = 0, m10 = 0, m11 = 1;
    double tx = 0, ty = 0, tz = 0;

    static Affine Translation(Point d);
    static Affine Rotation(Point centre, double degrees);
    // The map of a block insert: block base to the origin, scale, rotate, then to the insert point.
    static Affine Placement(Point base, double sx, double sy, double degrees, Point position);

    Point Apply(Point p) const;
    Point ApplyVector(Point v) const; // without the translation
    Affine Then(const Affine& next) const;
    double Determinant() const { return m00 * m11 - m01 * m10; }
    // True when the map keeps shapes (no shear, equal scale on both axes, mirroring allowed).
    bool IsSimilarity() const;
    double Scale() const; // length factor of a similarity
    bool Mirrors() const { return Determinant() < 0; }
    // The direction, in degrees, that a direction of `degrees` takes under the map.
    double MapAngle(double degrees) const;
};

} // namespace cad
