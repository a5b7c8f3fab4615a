#include "vantor/geometry/profile/planned_heights.h"

#include "vantor/geometry/profile/planned_line.h"
#include "vantor/model/bus/profile_tables.h"

namespace 縦断bus {

bool PlannedHeightsComputed() {
    if (keikokuflg != 0) return false;
    const int n = sokutensuu;
    for (int r = 1; r <= n; ++r)
        if (HasStation(r) && tatedata(r, tate_col::kPlannedHeight) == kEmpty) return false;
    return true;
}

std::string PlannedHeightsMissing() {
    return "縦断の計画高が今の入力で計算されていません（縦断の計算が警告で止まったか、勾配変化点が２点未満です）。";
}

} // namespace 縦断bus
