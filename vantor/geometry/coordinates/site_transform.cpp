#include "vantor/geometry/coordinates/site_transform.h"

#include "platform/runtime/conversion.h"

#include <cmath>

namespace 縦断bus::coordinates {

SiteTransform TransformOf(const FitResult& fit) { return {fit.p3, fit.p4, fit.angle}; }

SitePoint ToSite(const SiteTransform& t, double drawingX, double drawingY) {
    const double phi = -t.angle;
    const double u = drawingX + t.p3, v = drawingY + t.p4;
    return {u * std::cos(phi) + v * std::sin(phi), -u * std::sin(phi) + v * std::cos(phi)};
}

double RoundedToMillimetres(double value) { return rt::RoundHalfUp(value, 3); }

} // namespace 縦断bus::coordinates
