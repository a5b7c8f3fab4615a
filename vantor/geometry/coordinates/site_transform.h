#pragma once
// Drawing to site coordinates with the result of a reference fit: the drawing point shifted by
// (p3, p4) and turned counter-clockwise by the angle. Points, road edges and the drawing moved
// in the CAD all take the same shift and the same angle.
#include "vantor/geometry/coordinates/reference_fit.h"

namespace 縦断bus::coordinates {

struct SiteTransform {
    double p3 = 0, p4 = 0; // shift [m]
    double angle = 0;      // [rad], counter-clockwise from the drawing to the site
};

struct SitePoint {
    double x = 0, y = 0;
};

SiteTransform TransformOf(const FitResult& fit);

// Drawing X, Y [m] to site x, y [m], unrounded.
SitePoint ToSite(const SiteTransform& transform, double drawingX, double drawingY);

// A site coordinate as the point list shows and writes it: rounded half up to millimetres
// (0.0625 → 0.063, −0.0625 → −0.062), in double precision so that survey coordinates of six
// digits keep their millimetres.
double RoundedToMillimetres(double value);

} // namespace 縦断bus::coordinates
