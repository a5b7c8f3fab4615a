#pragma once
// Where each station's cross-section stands on the sheet: columns of `tiers` cells, filled
// from the lowest cell of column 1 upwards, then column 2 and so on. Cells are twice the cell
// half width wide and sheet height / tiers high; drawing units are millimetres.
#include "vantor/model/drawing_settings.h"

#include <optional>

namespace 縦断bus {

// The cells per column that 段数 gives: only a whole number from 1 on.
std::optional<int> TierCount(double value);

struct CellCentre {
    float x = 0, y = 0;
};
// The centre of station k's cell (k from 1).
CellCentre CellCentreOf(int k, int tiers, const SectionSettings& settings);

} // namespace 縦断bus
