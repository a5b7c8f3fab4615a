#include "vantor/geometry/alignment/keisansokutenzahyou.h"

#include "vantor/geometry/alignment/plan_point.h"
#include "vantor/model/bus/alignment_tables.h"
#include "vantor/model/bus/profile_tables.h"
#include "vantor/model/station_chainage.h"

#include <array>
#include <limits>

namespace 縦断bus {

namespace {

// The chainage at which each row's plan position was last computed; NaN for a row never
// computed. sokutenkyori alone does not tell, as it is written before a computation and,
// by the profile sheet with few IPs, without one.
std::array<float, sokutenx.UBound() + 1> placedAt = [] {
    std::array<float, sokutenx.UBound() + 1> rows;
    rows.fill(std::numeric_limits<float>::quiet_NaN());
    return rows;
}();

PlanPoint StationRow(int k) {
    PlanPoint point{sokutenx(k), sokuteny(k)};
    for (int m = 1; m <= 2; ++m) {
        point.auxX[m] = hojox(k, m);
        point.auxY[m] = hojoy(k, m);
    }
    return point;
}

void SetStationRow(int k, const PlanPoint& point) {
    sokutenx(k) = point.x;
    sokuteny(k) = point.y;
    for (int m = 1; m <= 2; ++m) {
        hojox(k, m) = point.auxX[m];
        hojoy(k, m) = point.auxY[m];
    }
}

} // namespace

void keisansokutenzahyou() {
    const int k = sokutenbangou;
    PlanPoint point = StationRow(k);
    const bool afterLastEc = PlacePlanPoint(sokutenkyori(k), point);
    SetStationRow(k, point);
    placedAt[k] = sokutenkyori(k);

    // The last station, at or after the last EC, also places the end of the road in the row
    // after it, when there is one. The working values stay those of the station.
    if (afterLastEc && k == heimensokutensuu && k + 1 <= sokutenx.UBound()) {
        const float distance = wkyousokyori;
        const auto auxiliary = wkhojoyousokyori;
        PlanPoint end = StationRow(k + 1);
        PlacePlanPoint(iptsuikakyori(ipsuu + 1), end);
        SetStationRow(k + 1, end);
        wkyousokyori = distance;
        wkhojoyousokyori = auxiliary;
    }
}

bool HasPlanPositions() {
    const int n = sokutensuu;
    if (hojokyori <= 0 || heimensokutensuu != n) return false;
    for (int k = 1; k <= n; ++k)
        if (placedAt[k] != sokutenkyori(k)) return false;
    for (int k = 1; k <= n; ++k)
        if (sokutenkyori(k) != StationChainage(k)) return false;
    return true;
}

} // namespace 縦断bus
