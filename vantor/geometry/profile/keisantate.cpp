#include "vantor/geometry/profile/keisantate.h"

#include "platform/runtime/conversion.h"
#include "vantor/geometry/profile/keikoku.h"
#include "vantor/geometry/profile/planned_line.h"
#include "vantor/model/bus/document_state.h"
#include "vantor/model/bus/profile_tables.h"

#include <array>
#include <cmath>

namespace 縦断bus {

namespace {

constexpr int kMaxChangePoints = decltype(koubai)::UBound() + 1; // koubai(m) for m = 1 .. h - 1
constexpr int kMaxCurves = decltype(keisuua)::UBound();

// Change point of each curve, found while the lists are built (1-based like the curves).
using CurvePoints = std::array<int, kMaxCurves + 1>;

// Rows of the change points, in row order.
struct ChangePointRows {
    std::array<int, decltype(tatedata)::UBound() + 1> row{};
    int count = 0;
};

ChangePointRows ScanChangePoints(int rows) {
    ChangePointRows found;
    for (int r = 1; r <= rows; ++r)
        if (IsChangePoint(r)) found.row[found.count++] = r;
    return found;
}

// Refuses, before anything is written, change points the tables cannot hold, change points
// that do not follow each other (a zero or negative run divides the gradients), negative
// curve lengths and curves on the first or last change point, which have no gradient on one
// side.
bool InputFits(const ChangePointRows& points) {
    int curves = 0;
    for (int m = 0; m < points.count; ++m) {
        const int r = points.row[m];
        if (m > 0 && tatedata(r, tate_col::kStation) <= tatedata(points.row[m - 1], tate_col::kStation)) {
            WarnChangePointOrder(tatedata(points.row[m - 1], tate_col::kStation), tatedata(r, tate_col::kStation));
            return false;
        }
        if (tatedata(r, tate_col::kCurveLength) != kEmpty && tatedata(r, tate_col::kCurveLength) < 0) {
            WarnNegativeCurveLength(tatedata(r, tate_col::kStation), tatedata(r, tate_col::kCurveLength));
            return false;
        }
        if (IsCurveLength(tatedata(r, tate_col::kCurveLength))) ++curves;
    }
    if (points.count > kMaxChangePoints) {
        WarnTooManyChangePoints(kMaxChangePoints);
        return false;
    }
    if (curves > kMaxCurves) {
        WarnTooManyCurves(kMaxCurves);
        return false;
    }
    for (int end : {0, points.count - 1}) {
        const int r = points.row[end];
        if (IsCurveLength(tatedata(r, tate_col::kCurveLength))) {
            WarnCurveAtEnd(tatedata(r, tate_col::kStation), end == 0);
            return false;
        }
    }
    return true;
}

// Lists the change points and curves in row order; false after an overlap warning.
bool BuildLists(int rows, CurvePoints& curvePoint) {
    henkatensuu = 0;
    kyokusensuu = 0;
    yuukousokutensuu = 0;
    for (int r = 1; r <= rows; ++r) {
        if (!HasStation(r)) continue;
        ++yuukousokutensuu;
        if (tatedata(r, tate_col::kReferenceHeight) == kEmpty) continue;
        ++henkatensuu;
        xb(henkatensuu) = tatedata(r, tate_col::kStation);
        yb(henkatensuu) = tatedata(r, tate_col::kReferenceHeight);
        if (!IsCurveLength(tatedata(r, tate_col::kCurveLength))) continue;
        const int k = ++kyokusensuu;
        curvePoint[k] = henkatensuu;
        vcxb(k) = xb(henkatensuu);
        vcyb(k) = yb(henkatensuu);
        lv(k) = tatedata(r, tate_col::kCurveLength);
        vcb(k) = static_cast<float>(static_cast<double>(vcxb(k)) - static_cast<double>(lv(k)) * 0.5);
        vce(k) = static_cast<float>(static_cast<double>(vcxb(k)) + static_cast<double>(lv(k)) * 0.5);
        if (k > 1 && vce(k - 1) > vcb(k)) { // curves that only touch are fine
            keikokukousa();
            return false;
        }
    }
    return true;
}

// Each curve must start after the change point before its own and end before the one after.
bool CurvesFit(const CurvePoints& curvePoint) {
    for (int i = 1; i <= kyokusensuu; ++i) {
        const int j = curvePoint[i];
        vcbflg = vcb(i) <= xb(j - 1) ? 1 : 0;
        vceflg = vce(i) >= xb(j + 1) ? 1 : 0;
        if (vcbflg == 1 || vceflg == 1) {
            keikokunagasugi(i, j);
            return false;
        }
    }
    return true;
}

void StoreGradients(const CurvePoints& curvePoint) {
    for (int m = 1; m <= henkatensuu - 1; ++m)
        koubai(m) =
            static_cast<float>((static_cast<double>(yb(m + 1)) - yb(m)) / (static_cast<double>(xb(m + 1)) - xb(m)));
    for (int k = 1; k <= kyokusensuu; ++k) {
        koubaitemae(k) = koubai(curvePoint[k] - 1);
        koubaiushiro(k) = koubai(curvePoint[k]);
    }
}

// Columns 5 to 7 of the rows firstRow .. lastRow hold no planned line.
void EmptyPlannedColumns(int firstRow, int lastRow) {
    for (int r = firstRow; r <= lastRow; ++r)
        for (int c = tate_col::kPlannedHeight; c <= tate_col::kGradient; ++c) tatedata(r, c) = kEmpty;
}

// A row without a station has no planned height, difference or gradient.
void TangentPass(int rows) {
    wkgyou = 0;
    for (int r = 1; r <= rows; ++r) {
        wkgyou = wkgyou + 1;
        if (!HasStation(r)) {
            EmptyPlannedColumns(r, r);
            continue;
        }
        const TangentPoint t = TangentAt(tatedata(r, tate_col::kStation));
        tatedata(r, tate_col::kPlannedHeight) = static_cast<float>(t.height);
        tatedata(r, tate_col::kGradient) = koubai(t.segment);
        tatedata(r, tate_col::kPlannedMinusGround) = PlannedMinusGround(r);
    }
}

void CurvePass(int rows) {
    for (int k = 1; k <= kyokusensuu; ++k) {
        const Parabola p = StoreCurveCoefficients(k);
        keisuua(k) = p.a;
        keisuub(k) = p.b;
        keisuuc(k) = p.c;
    }
    for (int r = 1; r <= rows; ++r) {
        if (!HasStation(r)) continue;
        const float s = tatedata(r, tate_col::kStation);
        if (const int k = CurveAt(s)) {
            tatedata(r, tate_col::kPlannedHeight) =
                static_cast<float>(Parabola{keisuua(k), keisuub(k), keisuuc(k)}.HeightAt(s));
            tatedata(r, tate_col::kPlannedMinusGround) = PlannedMinusGround(r);
        }
    }
}

// Heights to ketasuu decimals (2, otherwise 3); the ratios of the tangent pass to percent.
void RoundingPass(int rows) {
    const int decimals = ketasuu == 2 ? 2 : 3;
    for (int r = 1; r <= rows; ++r) {
        for (int c : {tate_col::kPlannedHeight, tate_col::kPlannedMinusGround})
            tatedata(r, c) = static_cast<float>(rt::RoundHalfUp(tatedata(r, c), decimals));
        if (HasStation(r)) {
            const double gradient = tatedata(r, tate_col::kGradient);
            tatedata(r, tate_col::kGradient) = static_cast<float>(std::floor(gradient * 10000000 + 0.5) / 100000);
        }
    }
}

} // namespace

ProfileOutcome keisantate() {
    keikokuflg = 0;
    const int rows = sokutensuu;
    // Whatever stops the computation, no row keeps heights of earlier input.
    const auto noPlannedLine = [rows](ProfileOutcome outcome) {
        EmptyPlannedColumns(1, rows);
        return outcome;
    };
    const ChangePointRows points = ScanChangePoints(rows);
    if (points.count < 2) return noPlannedLine(ProfileOutcome::NoPlannedLine);
    if (!InputFits(points)) return noPlannedLine(ProfileOutcome::Stopped);
    CurvePoints curvePoint{};
    if (!BuildLists(rows, curvePoint)) return noPlannedLine(ProfileOutcome::Stopped);
    kakuteihenkatensuu = henkatensuu;
    if (!CurvesFit(curvePoint)) return noPlannedLine(ProfileOutcome::Stopped);
    StoreGradients(curvePoint);
    TangentPass(rows);
    CurvePass(rows);
    RoundingPass(rows);
    return ProfileOutcome::Computed;
}

} // namespace 縦断bus
