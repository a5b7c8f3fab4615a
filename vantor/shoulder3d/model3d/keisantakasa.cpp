#include "vantor/shoulder3d/model3d/keisantakasa.h"

#include "vantor/geometry/profile/planned_line.h"
#include "vantor/model/bus/model3d_tables.h"
#include "vantor/model/bus/profile_tables.h"

namespace 縦断bus {

void keisantakasa() {
    const double x = double(d3kyori) / 1000;
    double height = TangentAt(x).height;
    if (const int c = CurveAt(x); c > 0) height = Parabola{keisuua(c), keisuub(c), keisuuc(c)}.HeightAt(x);
    d3keikakudaka = static_cast<float>(height);
}

} // namespace 縦断bus
