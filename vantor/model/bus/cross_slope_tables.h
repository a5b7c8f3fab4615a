#pragma once
// The computation unit's cross-slope change points and interpolated cross slopes.
#include "vantor/model/bus/bus_table.h"

namespace 縦断bus {

// clang-format off
#define VANTOR_CROSS_SLOPE_TABLES(X)                                                                \
    /* ---- Cross-slope change points and interpolated slopes of the last keisanyokokoubai ---- */  \
    /* Station [m] and reference slope [%] of change point m = 1..count, per side, in row order. */ \
    X(hidarikijunsokuten, Table<float, 200>) X(hidarikijunkoubai, Table<float, 200>)                \
    X(migikijunsokuten, Table<float, 200>) X(migikijunkoubai, Table<float, 200>)                    \
    X(hidarikijunsuu, int) X(migikijunsuu, int)                                                     \
    /* Interpolated cross slope [%] of station row r, per side. */                                  \
    X(hidariyokokoubai, Table<float, 200>) X(migiyokokoubai, Table<float, 200>)
// clang-format on
VANTOR_CROSS_SLOPE_TABLES(VANTOR_BUS_DECLARE)

} // namespace 縦断bus
