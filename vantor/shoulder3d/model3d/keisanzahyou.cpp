#include "vantor/shoulder3d/model3d/keisanzahyou.h"

#include "vantor/geometry/alignment/plan_point.h"
#include "vantor/model/bus/model3d_tables.h"

namespace 縦断bus {

void keisanzahyou() {
    PlanPoint point;
    PlacePlanPoint(d3kyori, point, PlanPointOptions{.curveStartOnCurve = false, .recordSide = false});
    d3x = point.x;
    d3y = point.y;
    for (int m = 1; m <= 2; ++m) {
        d3hojox(d3bangou, m) = point.auxX[m];
        d3hojoy(d3bangou, m) = point.auxY[m];
    }
}

} // namespace 縦断bus
