#include "vantor/drawing/profile_sheet/marumetakasa.h"

#include "vantor/drawing/profile_sheet/sheet_state.h"
#include "vantor/model/bus/document_state.h"
#include "vantor/model/bus/profile_tables.h"

#include <cmath>

namespace 縦断bus::profile_sheet {

void marumetakasa() {
    const int factor = ketasuu == 2 ? 100 : 1000;
    for (int i = 1; i <= sakuzusokutensuu; ++i) {
        const float distance = (tatedata(i, tate_col::kStation) - tatedata(i - 1, tate_col::kStation)) * factor;
        tatedata(i, tate_col::kDistanceFromPrevious) = static_cast<float>(std::floor(distance + 0.5) / factor);
    }
}

} // namespace 縦断bus::profile_sheet
