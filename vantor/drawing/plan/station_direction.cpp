#include "vantor/drawing/plan/station_direction.h"

#include "vantor/geometry/alignment/plan_point.h"

#include <cmath>
#include <limits>
#include <optional>

namespace 縦断bus {

namespace {

float Difference(float a, float b) { return static_cast<float>(double(a) - b); }

// The slope of the line from one point to another; infinite when it runs parallel to the Y
// axis, none when the points coincide.
std::optional<double> SlopeBetween(float fromX, float fromY, float toX, float toY) {
    const float run = Difference(toX, fromX), rise = Difference(toY, fromY);
    if (run != 0) return double(rise) / run;
    if (rise != 0) return std::numeric_limits<double>::infinity();
    return std::nullopt;
}

// The slope of the straight at an end of the road when station k's end rule applies.
std::optional<double> EndSlope(int k) {
    if (ipsuu < 1) return std::nullopt;
    const int n = heimensokutensuu;
    if (k == 1 && sokutenkyori(3) > saishochokusen)
        return SlopeBetween(hojox(1, 1), hojoy(1, 1), bczahyou(1, 1), bczahyou(1, 2));
    if (k == n && n >= 1 && sokutenkyori(n - 1) < iptsuikakyori(ipsuu) && HasEndOfRoadEntry())
        return SlopeBetween(eczahyou(ipsuu, 1), eczahyou(ipsuu, 2), sokutenx(n + 1), sokuteny(n + 1));
    return std::nullopt;
}

} // namespace

bool HasEndOfRoadEntry() {
    const int n = heimensokutensuu;
    if (n < 1 || n + 1 > sokutenx.UBound()) return false;
    const float last = sokutenkyori(n);
    return last >= 0 && last >= iptsuikakyori(ipsuu);
}

void SetDirection(float dx, float dy, double slope) {
    SetDirectionState(dx, dy);
    if (dx != 0) wkhoukoukaku = static_cast<float>(std::fabs(std::atan(slope)) * 180 / 3.141592);

    const float t = wkhoukoukaku;
    switch (wkshougen) {
    case 1: wkhidarikaku = t + 90; wkmigikaku = t - 90; break;
    case 2: wkhidarikaku = -t + 90; wkmigikaku = -t - 90; break;
    case 3: wkhidarikaku = t - 90; wkmigikaku = t + 90; break;
    case 4: wkhidarikaku = -t - 90; wkmigikaku = -t + 90; break;
    case 5: wkhidarikaku = -180; wkmigikaku = 0; break;
    case 6: wkhidarikaku = 0; wkmigikaku = -180; break;
    case 7: wkhidarikaku = 90; wkmigikaku = -90; break;
    case 8: wkhidarikaku = -90; wkmigikaku = 90; break;
    default: break;   // no state was ever set: the normals stay as they are
    }
}

void SetDirection(float dx, float dy) { SetDirection(dx, dy, dx != 0 ? double(dy) / dx : 0); }

void SetStationDirection(int k) {
    const float dx = Difference(hojox(k, 2), hojox(k, 1));
    const float dy = Difference(hojoy(k, 2), hojoy(k, 1));
    if (dx == 0) {
        SetDirection(dx, dy, 0);
        return;
    }
    SetDirection(dx, dy, EndSlope(k).value_or(double(dy) / dx));
}

void PointToward(float x, float y, double distance, float degrees, float& px, float& py) {
    const double radians = degrees * 3.14159 / 180;
    px = static_cast<float>(x + distance * std::cos(radians));
    py = static_cast<float>(y + distance * std::sin(radians));
}

} // namespace 縦断bus
