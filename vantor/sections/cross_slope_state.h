#pragma once
// Cross-slope change points and interpolated slopes, rebuilt by every run of
// keisanyokokoubai; the profile annotations and the 3D model read what the last run left.
#include "platform/runtime/table.h"

namespace 縦断bus {

// Station [m] and reference slope [%] of change point m = 1..count, per side, in row order.
inline rt::Table<float, 200> hidarikijunsokuten, hidarikijunkoubai, migikijunsokuten, migikijunkoubai;
inline int hidarikijunsuu = 0, migikijunsuu = 0;
// Interpolated cross slope [%] of station row r, per side.
inline rt::Table<float, 200> hidariyokokoubai, migiyokokoubai;

// Back to the values at program start.
void ResetCrossSlopeState();

} // namespace 縦断bus
