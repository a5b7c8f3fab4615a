#pragma once
// The computation unit's cross-slope change points and interpolated cross slopes.
#include "vantor/model/bus/bus_table.h"

namespace 縦断bus {

// ---- Cross-slope change points and interpolated slopes of the last keisanyokokoubai ----
// Station [m] and reference slope [%] of change point m = 1..count, per side, in row order.
inline Table<float, 200> hidarikijunsokuten, hidarikijunkoubai, migikijunsokuten, migikijunkoubai;
inline int hidarikijunsuu = 0, migikijunsuu = 0;
// Interpolated cross slope [%] of station row r, per side.
inline Table<float, 200> hidariyokokoubai, migiyokokoubai;

} // namespace 縦断bus
