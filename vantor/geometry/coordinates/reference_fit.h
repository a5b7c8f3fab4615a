#pragma once
// The reference-point fit of the coordinate conversion. A reference point is known in the
// site system (x, y) and in the drawing system (X, Y), both in metres, related by a rotation
// and a translation:
//     X =  p1·x + p2·y − p3
//     Y = −p2·x + p1·y − p4        (p1 = cos θ, p2 = sin θ: the drawing is the site turned
//                                   clockwise by θ and shifted by (−p3, −p4))
// Every pair of consecutive points is solved on its own; the angle taken from a pair is
// arcsin p2, and the points and the drawing are turned by the mean of the pairs' angles.
#include <string>
#include <vector>

namespace 縦断bus::coordinates {

struct ReferencePoint {
    double siteX = 0, siteY = 0;         // x, y [m]
    double drawingX = 0, drawingY = 0;   // X, Y [m]
};

struct PairSolution {
    double p1 = 0, p2 = 0, p3 = 0, p4 = 0;
    double angle = 0;     // θ = arcsin p2 [rad]
    double degrees = 0;   // θ in degrees, as shown
};

struct FitResult {
    std::vector<PairSolution> pairs;   // pair k joins points k and k + 1
    double meanDegrees = 0;            // mean of the pairs' degrees
    double meanAngle = 0;              // the same in radians: the one angle of every conversion
    double p3() const { return pairs.back().p3; }   // the shift is the last pair's
    double p4() const { return pairs.back().p4; }
};

struct FitOutcome {
    bool solved = false;
    FitResult result;      // when solved
    std::string failure;   // when not: what the user is told
};

// π as the degree conversion takes it.
inline constexpr double kDegreePi = 3.141592654;

// One pair in closed form. Differences of the two points remove the shift and leave
//     dX = p1·dx + p2·dy,  dY = −p2·dx + p1·dy,
// solved by p1 = (dX·dx + dY·dy) / d², p2 = (dX·dy − dY·dx) / d² with d² = dx² + dy², which
// is zero only for two identical site points. Refused are identical site points, identical
// drawing points (a scale of zero) and |p2| > 1 (a drawing too large against the site to be a
// turn without scale).
enum class PairFault { None, SameSitePoints, SameDrawingPoints, NoRotation };
PairFault SolvePair(const ReferencePoint& a, const ReferencePoint& b, PairSolution& solution);

// Every consecutive pair of `points`; fewer than two points, identical site points or a pair
// without a rotation fail as a whole, telling which pair (counted from 1).
FitOutcome FitReferencePoints(const std::vector<ReferencePoint>& points);

} // namespace 縦断bus::coordinates
