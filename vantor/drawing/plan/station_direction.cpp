#include "vantor/drawing/plan/station_direction.h"

#include "vantor/geometry/alignment/plan_point.h"
#include "vantor/model/bus/alignment_tables.h"
#include "vantor/model/bus/drawing_tables.h"

#include <cmath>
#include <numbers>

namespace 縦断bus {

namespace {

constexpr double kDegrees = 180 / std::numbers::pi;

// A component this small beside the unit direction is taken as none: the direction runs along
// an axis, up to the rounding of its bearing.
constexpr double kAlongAxis = 1e-12;

double Sign(double v) { return std::fabs(v) < kAlongAxis ? 0 : v; }

} // namespace

bool HasEndOfRoadEntry() {
    const int n = heimensokutensuu;
    if (n < 1 || n + 1 > sokutenx.UBound()) return false;
    const float last = sokutenkyori(n);
    return last >= 0 && last >= iptsuikakyori(ipsuu);
}

Normals SetDirection(double bearing) {
    const double dx = Sign(std::cos(bearing)), dy = Sign(std::sin(bearing));
    SetDirectionState(static_cast<float>(dx), static_cast<float>(dy));
    const double t = dx != 0 ? std::atan(std::fabs(dy / dx)) * kDegrees : 90;
    double left = wkhidarikaku, right = wkmigikaku;
    // clang-format off
    switch (wkshougen) {
    case 1: left = t + 90; right = t - 90; break;
    case 2: left = -t + 90; right = -t - 90; break;
    case 3: left = t - 90; right = t + 90; break;
    case 4: left = -t - 90; right = -t + 90; break;
    case 5: left = -180; right = 0; break;
    case 6: left = 0; right = -180; break;
    case 7: left = 90; right = -90; break;
    case 8: left = -90; right = 90; break;
    }
    // clang-format on
    if (dx != 0) wkhoukoukaku = static_cast<float>(t);
    wkhidarikaku = static_cast<float>(left);
    wkmigikaku = static_cast<float>(right);
    const double length = std::hypot(dx, dy);
    const Normal toLeft{-dy / length, dx / length};
    return {toLeft, {-toLeft.x, -toLeft.y}};
}

Normals SetDirectionAt(double chainage) { return SetDirection(PlanBearing(chainage)); }

Normals SetStationDirection(int k) { return SetDirectionAt(sokutenkyori(k)); }

void PointToward(float x, float y, double distance, const Normal& normal, float& px, float& py) {
    px = static_cast<float>(x + distance * normal.x);
    py = static_cast<float>(y + distance * normal.y);
}

} // namespace 縦断bus
