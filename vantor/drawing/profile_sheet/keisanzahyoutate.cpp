#include "vantor/drawing/profile_sheet/keisanzahyoutate.h"

#include "vantor/drawing/profile_sheet/sheet_coordinates.h"
#include "vantor/geometry/profile/planned_line.h"
#include "vantor/model/bus/profile_tables.h"

namespace 縦断bus::profile_sheet {

void keisanzahyoutate() {
    for (int i = 1; i <= sakuzusokutensuu; ++i) {
        zahyoutate(i, 1) = static_cast<float>(X(tatedata(i, tate_col::kStation)));
        for (int c = tate_col::kGround; c <= tate_col::kPlannedHeight; ++c)
            zahyoutate(i, c) = static_cast<float>(Y(tatedata(i, c)));
    }
    for (int j = 1; j <= kyokusensuu; ++j) {
        const Parabola curve{keisuua(j), keisuub(j), keisuuc(j)};
        vcbx(j) = static_cast<float>(X(vcb(j)));
        vcex(j) = static_cast<float>(X(vce(j)));
        vcby(j) = static_cast<float>(Y(curve.HeightAt(vcb(j))));
        vcey(j) = static_cast<float>(Y(curve.HeightAt(vce(j))));
    }
}

} // namespace 縦断bus::profile_sheet
