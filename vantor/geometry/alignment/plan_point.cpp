#include "vantor/geometry/alignment/plan_point.h"

#include "vantor/model/bus/alignment_tables.h"

#include <cmath>

namespace 縦断bus {

void SetDirectionState(float dx, float dy) {
    // clang-format off
    if (dx > 0 && dy > 0) wkshougen = 1;
    else if (dx > 0 && dy < 0) wkshougen = 2;
    else if (dx < 0 && dy < 0) wkshougen = 3;
    else if (dx < 0 && dy > 0) wkshougen = 4;
    else if (dx == 0 && dy > 0) wkshougen = 5;
    else if (dx == 0 && dy < 0) wkshougen = 6;
    else if (dx > 0 && dy == 0) wkshougen = 7;
    else if (dx < 0 && dy == 0) wkshougen = 8;
    // clang-format on
}

namespace {

// Whether the alignment turns left at IP p (the turn from the incoming to the outgoing leg is
// positive, compared in single precision); a straight-through IP counts as a right turn.
bool TurnsLeft(int p) {
    const double dx1 = double(ipx(p)) - ipx(p - 1), dy1 = double(ipy(p)) - ipy(p - 1);
    const double dx2 = double(ipx(p + 1)) - ipx(p), dy2 = double(ipy(p + 1)) - ipy(p);
    return static_cast<float>(dy2 * dx1 - dy1 * dx2) > 0;
}

// Point at distance l along leg p (from point p-1 towards point p), counted from the EC
// before it (the start point for the first leg).
void OnLeg(int p, float l, float& x, float& y) {
    x = static_cast<float>((double(ipx(p)) - ipx(p - 1)) * l / ipkyori(p) + eczahyou(p - 1, point_col::kX));
    y = static_cast<float>((double(ipy(p)) - ipy(p - 1)) * l / ipkyori(p) + eczahyou(p - 1, point_col::kY));
}

// Chainage s on leg p whose straight begins at chainage `from`.
void PlaceOnLeg(PlanPoint& point, int p, double s, double from) {
    const double h = hojokyori;
    wkyousokyori = static_cast<float>(s - from);
    wkhojoyousokyori(1) = static_cast<float>((s - h) - from);
    wkhojoyousokyori(2) = static_cast<float>((s + h) - from);
    OnLeg(p, wkyousokyori, point.x, point.y);
    for (int m = 1; m <= 2; ++m) OnLeg(p, wkhojoyousokyori(m), point.auxX[m], point.auxY[m]);
}

// Chord direction and the signs of its X and Y terms for deflection t, by direction state
// and side: the chord leaves the incoming tangent by t towards the inside of the curve.
struct Chord {
    double phi;
    int sx, sy;
};

bool ChordFor(bool left, double theta, double t, Chord& chord) {
    constexpr double P = 3.14159 / 2;
    // clang-format off
    switch (wkshougen) {
    case 1: chord = left ? Chord{theta + t, 1, 1} : Chord{theta - t, 1, 1}; return true;
    case 2: chord = left ? Chord{t - theta, 1, 1} : Chord{theta + t, 1, -1}; return true;
    case 3: chord = left ? Chord{theta + t, -1, -1} : Chord{t - theta, -1, 1}; return true;
    case 4: chord = left ? Chord{theta - t, -1, 1} : Chord{theta + t, -1, 1}; return true;
    case 5: chord = left ? Chord{P - t, -1, 1} : Chord{P - t, 1, 1}; return true;
    case 6: chord = left ? Chord{P - t, 1, -1} : Chord{P - t, -1, -1}; return true;
    case 7: chord = left ? Chord{t, 1, 1} : Chord{t, 1, -1}; return true;
    case 8: chord = left ? Chord{t, -1, -1} : Chord{t, -1, 1}; return true;
    }
    // clang-format on
    return false; // no state yet: the position is left as it was
}

void PlaceOnCurve(PlanPoint& point, int p, double s, bool recordSide) {
    const double h = hojokyori;
    const double d = double(iphankei(p)) + iphankei(p);
    wkyousokyori = static_cast<float>(s - iptsuikakyori(p - 1) - kukanchou(p, kukan_col::kStraight));
    wkhojoyousokyori(1) = static_cast<float>((s - h) - iptsuikakyori(p - 1) - kukanchou(p, kukan_col::kStraight));
    wkhojoyousokyori(2) = static_cast<float>((s + h) - iptsuikakyori(p - 1) - kukanchou(p, kukan_col::kStraight));
    wkhenkaku = static_cast<float>(wkyousokyori / d);
    for (int m = 1; m <= 2; ++m) wkhojohenkaku(m) = static_cast<float>(wkhojoyousokyori(m) / d);
    wkgenchou = static_cast<float>(d * std::sin(wkyousokyori / d));
    for (int m = 1; m <= 2; ++m) wkhojogenchou(m) = static_cast<float>(d * std::sin(wkhojoyousokyori(m) / d));
    wkhoukoukaku = static_cast<float>(std::fabs(std::atan(double(katamuki(p)))));

    const bool left = TurnsLeft(p);
    sayuumoji = left ? "hidari" : "migi";
    if (recordSide) sayuu(p) = left ? -1.0f : 1.0f;

    SetDirectionState(static_cast<float>(double(ipx(p)) - ipx(p - 1)), static_cast<float>(double(ipy(p)) - ipy(p - 1)));
    Chord chord;
    if (!ChordFor(left, wkhoukoukaku, wkhenkaku, chord)) return;
    wkhidarikaku = static_cast<float>(chord.phi);
    point.x = static_cast<float>(bczahyou(p, point_col::kX) + chord.sx * (wkgenchou * std::cos(double(wkhidarikaku))));
    point.y = static_cast<float>(bczahyou(p, point_col::kY) + chord.sy * (wkgenchou * std::sin(double(wkhidarikaku))));
    for (int m = 1; m <= 2; ++m) {
        ChordFor(left, wkhoukoukaku, wkhojohenkaku(m), chord);
        wkhojohoukou(m) = static_cast<float>(chord.phi);
        point.auxX[m] = static_cast<float>(bczahyou(p, point_col::kX) +
                                           chord.sx * (wkhojogenchou(m) * std::cos(double(wkhojohoukou(m)))));
        point.auxY[m] = static_cast<float>(bczahyou(p, point_col::kY) +
                                           chord.sy * (wkhojogenchou(m) * std::sin(double(wkhojohoukou(m)))));
    }
}

// The part of the alignment that holds a chainage: the straight of leg p, or the curve of IP p.
struct Element {
    int p;
    bool onCurve;
    double from; // chainage where the straight of leg p begins
};

Element ElementOf(double s, const PlanPointOptions& options) {
    const int n = ipsuu;
    // Before the start: backwards along the first leg from the start point.
    if (s < 0) return {1, false, 0};
    for (int p = 1; p <= n; ++p) {
        if (iptsuikakyori(p - 1) <= s && s < iptsuikakyori(p)) {
            const float bc = static_cast<float>(double(iptsuikakyori(p)) - kukanchou(p, kukan_col::kCurve));
            const bool onStraight = options.curveStartOnCurve ? s < bc : s <= bc;
            return {p, !onStraight, iptsuikakyori(p - 1)};
        }
    }
    // At or after the last EC: along the last leg.
    return {n + 1, false, iptsuikakyori(n)};
}

double LegBearing(int p) { return std::atan2(double(ipy(p)) - ipy(p - 1), double(ipx(p)) - ipx(p - 1)); }

} // namespace

bool PlacePlanPoint(double s, PlanPoint& point, const PlanPointOptions& options) {
    const Element element = ElementOf(s, options);
    if (element.p <= ipsuu && s >= 0) wkipbangou = element.p;
    if (element.onCurve) PlaceOnCurve(point, element.p, s, options.recordSide);
    else PlaceOnLeg(point, element.p, s, element.from);
    return element.p == ipsuu + 1 && s >= 0;
}

double PlanBearing(double s) {
    const Element element = ElementOf(s, {});
    const double bearing = LegBearing(element.p);
    if (!element.onCurve) return bearing;
    // On the arc the tangent turns from the incoming leg's bearing by the arc length over the
    // radius: to the left on a left curve, to the right otherwise.
    const int p = element.p;
    const double arc = s - element.from - kukanchou(p, kukan_col::kStraight);
    const double turn = arc / iphankei(p);
    return TurnsLeft(p) ? bearing + turn : bearing - turn;
}

} // namespace 縦断bus
