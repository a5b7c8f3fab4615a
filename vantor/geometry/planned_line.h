#pragma once
// Pieces of the planned line shared by the profile computation and the 1 m sampling: which
// profile rows count, the height on the tangent polygon between the change points, and the
// parabola of a vertical curve.
#include "vantor/shell/縦断bus.h"

namespace 縦断bus {

// A curve length counts only when it is set and positive: 0 is how a user removes a curve.
bool IsCurveLength(float cell);
bool HasStation(int row);
// A gradient change point: a row with a station and a reference planned height.
bool IsChangePoint(int row);
// Planned minus ground for a row whose column 5 is stored; empty when the ground is.
float PlannedMinusGround(int row);

struct TangentPoint {
    double height;  // on the tangent polygon, before any vertical curve
    int segment;    // m: the tangent from change point m to m + 1 that gives the gradient
};
// Needs at least two change points with increasing stations in xb / yb.
TangentPoint TangentAt(double station);

// Stores the parabola of curve k in wka, wkb, wkc (single precision, in that order).
void StoreCurveCoefficients(int k);
// Height on the parabola held in wka, wkb, wkc.
double CurveHeight(double station);

} // namespace 縦断bus
