#include "vantor/sections/section_layout.h"

#include <cmath>

namespace 縦断bus {

std::optional<int> TierCount(double value) {
    if (!(value >= 1) || value != std::floor(value) || value > 1e6) return std::nullopt;
    return static_cast<int>(value);
}

CellCentre CellCentreOf(int k, int tiers, const SectionSettings& settings) {
    const int column = (k + tiers - 1) / tiers;
    const int row = k - (column - 1) * tiers;
    const double cellHeight = settings.sheetHeight / tiers;
    return {static_cast<float>((2 * column - 1) * settings.cellHalfWidth * 1000),
            static_cast<float>(cellHeight * (row - 0.5) * 1000)};
}

} // namespace 縦断bus
