#include "vantor/geometry/planned_line.h"

namespace 縦断bus {

namespace {
double D(float v) { return static_cast<double>(v); }
} // namespace

bool IsCurveLength(float cell) { return cell != kEmpty && cell > 0; }

bool HasStation(int row) { return tatedata(row, 1) != kEmpty; }

bool IsChangePoint(int row) { return HasStation(row) && tatedata(row, 3) != kEmpty; }

float PlannedMinusGround(int row) {
    if (tatedata(row, 2) == kEmpty) return kEmpty;
    return static_cast<float>(D(tatedata(row, 5)) - D(tatedata(row, 2)));
}

TangentPoint TangentAt(double s) {
    const int h = henkatensuu;
    if (s < D(xb(1)))  // the first tangent extended backwards
        return {(s - D(xb(1))) * (D(yb(2)) - D(yb(1))) / (D(xb(2)) - D(xb(1))) + D(yb(1)), 1};
    if (s > D(xb(h)))  // the last tangent extended forwards
        return {(s - D(xb(h))) * (D(yb(h)) - D(yb(h - 1))) / (D(xb(h)) - D(xb(h - 1))) + D(yb(h)),
                h - 1};
    // A station on an inner change point takes the tangent before it.
    int p = 1;
    while (p < h - 1 && s > D(xb(p + 1))) ++p;
    return {(s - D(xb(p))) * (D(yb(p + 1)) - D(yb(p))) / (D(xb(p + 1)) - D(xb(p))) + D(yb(p)), p};
}

void StoreCurveCoefficients(int k) {
    const double g1 = D(koubaitemae(k)), g2 = D(koubaiushiro(k));
    const double length = D(lv(k)), x = D(vcxb(k)), h = D(vcyb(k));
    wka = static_cast<float>((g2 - g1) / (length + length));
    wkb = static_cast<float>(g1 - (D(wka) + D(wka)) * D(vcb(k)));
    // The curve passes (g1 - g2) L / 8 below a crest change point, above a sag one.
    wkc = static_cast<float>((h - (g1 - g2) * length / 8) - x * x * D(wka) - x * D(wkb));
}

double CurveHeight(double s) { return s * s * D(wka) + s * D(wkb) + D(wkc); }

} // namespace 縦断bus
