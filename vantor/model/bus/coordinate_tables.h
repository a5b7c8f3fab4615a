#pragma once
// The computation unit's coordinate conversion table.
#include "vantor/model/bus/bus_table.h"

namespace 縦断bus {

// clang-format off
#define VANTOR_COORDINATE_TABLES(X)                                                                        \
    /* ---- Coordinate conversion ---- */                                                                  \
    X(zahyoudata, Table<double, 20, 4>) /* 1 x, 2 y on site, 3 X, 4 Y in the drawing [m]; kEmpty: blank */ \
    X(zahyousuu, int)
// clang-format on
VANTOR_COORDINATE_TABLES(VANTOR_BUS_DECLARE)

} // namespace 縦断bus
