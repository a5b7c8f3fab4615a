#include "vantor/shoulder3d/model3d/hokanfukuin.h"

#include "vantor/model/bus/model3d_tables.h"
#include "vantor/model/bus/profile_tables.h"
#include "vantor/model/bus/station_tables.h"

namespace 縦断bus {

namespace {

float Width(int column, double x) {
    const int t = d3sokuten;
    // The stations' chainages unrounded: the widths run between the exact ends of the interval.
    // A station's own point is recognised by its chainage as the sub-points hold it (single).
    const double a = double(tatedata(t, tate_col::kStation)) * 1000;
    const double b = double(tatedata(t + 1, tate_col::kStation)) * 1000;
    const float cellA = yokodata(t, column), cellB = yokodata(t + 1, column);
    if (x == static_cast<float>(a)) return cellA == kEmpty ? kEmpty : static_cast<float>(double(cellA) * 1000);
    if (x == static_cast<float>(b)) return cellB == kEmpty ? kEmpty : static_cast<float>(double(cellB) * 1000);
    if (cellA == kEmpty || cellB == kEmpty) return kEmpty;
    const double wa = double(cellA) * 1000, wb = double(cellB) * 1000;
    return static_cast<float>((x - a) * (wb - wa) / (b - a) + wa);
}

} // namespace

void hokanfukuin() {
    d3hidarifukuin(d3bangou) = Width(2, d3kyori);
    d3migifukuin(d3bangou) = Width(9, d3kyori);
}

} // namespace 縦断bus
