#pragma once
// Pieces of the planned line shared by the profile computation and the 1 m sampling: which
// profile rows count, the height on the tangent polygon between the change points, and the
// parabolas of the vertical curves.
#include "vantor/model/bus/profile_tables.h"

namespace 縦断bus {

// A curve length counts only when it is set and positive: 0 is how a user removes a curve.
inline bool IsCurveLength(float cell) { return cell != kEmpty && cell > 0; }
inline bool HasStation(int row) { return tatedata(row, tate_col::kStation) != kEmpty; }
// A gradient change point: a row with a station and a reference planned height.
inline bool IsChangePoint(int row) { return HasStation(row) && tatedata(row, tate_col::kReferenceHeight) != kEmpty; }
// Planned minus ground for a row whose column 5 is stored; empty when the ground is.
float PlannedMinusGround(int row);

struct TangentPoint {
    double height; // on the tangent polygon, before any vertical curve
    int segment;   // m: the tangent from change point m to m + 1 that gives the gradient
};
// Needs at least two change points with increasing stations in xb / yb.
TangentPoint TangentAt(double station);

// height = a x² + b x + c, each coefficient held in single precision.
struct Parabola {
    float a = 0, b = 0, c = 0;
    double HeightAt(double station) const;
};
// The parabola of curve k from its gradients, length and change point; also left in
// wka, wkb, wkc as the curve last worked on.
Parabola StoreCurveCoefficients(int k);

// The curve whose range vcb .. vce holds the station, 0 for none. Curves follow each other
// without overlapping; where two touch, the station belongs to the later one.
int CurveAt(double station);

} // namespace 縦断bus
