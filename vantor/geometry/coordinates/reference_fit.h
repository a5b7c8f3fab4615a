#pragma once
// The reference-point fit of the coordinate conversion. A reference point is known in the
// site system (x, y) and in the drawing system (X, Y), both in metres, related by a rotation
// and a translation without scale:
//     X =  p1·x + p2·y − p3
//     Y = −p2·x + p1·y − p4        (p1 = cos θ, p2 = sin θ: the drawing is the site turned
//                                   clockwise by θ and shifted by (−p3, −p4))
// All reference points together give θ and the shift by least squares: θ turns the points'
// offsets from their centroid in the site onto those in the drawing as closely as any angle
// can, and the shift takes the centroid of the site points onto that of the drawing points.
// Surveys of any size, any turn and any place (site coordinates tens of kilometres from the
// origin) fit alike.
#include <string>
#include <vector>

namespace 縦断bus::coordinates {

struct ReferencePoint {
    double siteX = 0, siteY = 0;       // x, y [m]
    double drawingX = 0, drawingY = 0; // X, Y [m]
};

struct FitResult {
    double angle = 0;   // θ [rad], −π < θ ≤ π
    double degrees = 0; // θ in degrees, as shown and sent to the CAD
    double p3 = 0, p4 = 0;
    double scale = 1; // drawing distances over site distances, as the points give it
    // Centroids of the points in both systems: the shift of any other angle is taken from them.
    double siteX = 0, siteY = 0, drawingX = 0, drawingY = 0;
};

struct FitOutcome {
    bool solved = false;
    FitResult result;    // when solved
    std::string failure; // when not: what the user is told
};

// Distances in the drawing may differ from those on the site by this fraction at most: more
// is a drawing at another scale (or in millimetres), which a turn and a shift cannot fit.
inline constexpr double kScaleTolerance = 0.001;

// Refused are fewer than two points, site points all in one place, drawing points all in one
// place, and points whose drawing is at another scale than the site (the message names the
// scale found).
FitOutcome FitReferencePoints(const std::vector<ReferencePoint>& points);

// The same fit turned to `angle`, with the shift that goes with it: the centroids still meet.
FitResult TurnedTo(const FitResult& fit, double angle);

} // namespace 縦断bus::coordinates
