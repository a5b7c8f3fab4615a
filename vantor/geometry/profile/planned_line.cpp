#include "vantor/geometry/profile/planned_line.h"
#include "vantor/model/bus/profile_tables.h"

namespace 縦断bus {

namespace {
double D(float v) { return static_cast<double>(v); }
} // namespace

float PlannedMinusGround(int row) {
    if (tatedata(row, tate_col::kGround) == kEmpty) return kEmpty;
    return static_cast<float>(D(tatedata(row, tate_col::kPlannedHeight)) - D(tatedata(row, tate_col::kGround)));
}

TangentPoint TangentAt(double s) {
    const int h = henkatensuu;
    if (s < D(xb(1))) // the first tangent extended backwards
        return {(s - D(xb(1))) * (D(yb(2)) - D(yb(1))) / (D(xb(2)) - D(xb(1))) + D(yb(1)), 1};
    if (s > D(xb(h))) // the last tangent extended forwards
        return {(s - D(xb(h))) * (D(yb(h)) - D(yb(h - 1))) / (D(xb(h)) - D(xb(h - 1))) + D(yb(h)), h - 1};
    // The first tangent p that reaches s (stations increase): a station on an inner change
    // point takes the tangent before it.
    int p = 1, last = h - 1;
    while (p < last) {
        const int mid = (p + last) / 2;
        if (s > D(xb(mid + 1))) p = mid + 1;
        else last = mid;
    }
    return {(s - D(xb(p))) * (D(yb(p + 1)) - D(yb(p))) / (D(xb(p + 1)) - D(xb(p))) + D(yb(p)), p};
}

Parabola StoreCurveCoefficients(int k) {
    const double g1 = D(koubaitemae(k)), g2 = D(koubaiushiro(k));
    const double length = D(lv(k)), x = D(vcxb(k)), h = D(vcyb(k));
    Parabola p;
    p.a = static_cast<float>((g2 - g1) / (length + length));
    p.b = static_cast<float>(g1 - (D(p.a) + D(p.a)) * D(vcb(k)));
    // The curve passes (g1 - g2) L / 8 below a crest change point, above a sag one.
    p.c = static_cast<float>((h - (g1 - g2) * length / 8) - x * x * D(p.a) - x * D(p.b));
    wka = p.a;
    wkb = p.b;
    wkc = p.c;
    return p;
}

double Parabola::HeightAt(double s) const { return s * s * D(a) + s * D(b) + D(c); }

int CurveAt(double s) {
    int lo = 0, hi = kyokusensuu; // the last curve starting at or before s, 0 for none
    while (lo < hi) {
        const int mid = (lo + hi + 1) / 2;
        if (D(vcb(mid)) <= s) lo = mid;
        else hi = mid - 1;
    }
    return lo > 0 && s <= D(vce(lo)) ? lo : 0;
}

} // namespace 縦断bus
