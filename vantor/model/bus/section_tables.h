#pragma once
// The computation unit's cross-section point tables and the areas computed from them.
#include "vantor/model/bus/bus_table.h"

#include <string>

namespace 縦断bus {

// clang-format off
#define VANTOR_SECTION_TABLES(X)                                                                                 \
    /* ---- Cross-section point tables (station 1..50, point 0..19, 1 offset / 2 height) ---- */                 \
    X(danmensuu, int)     /* station blocks headed on the two section sheets */                                  \
    X(danmenbangou, int)  /* station row the section screens stand on (0: none yet) */                           \
    /* Cut (C), fill (B) and backfill (B') area [m²] of stations 1..50, from the earthwork areas. */             \
    X(kiridomenseki, Table<float, 50>) X(moridomenseki, Table<float, 50>) X(umemodoshimenseki, Table<float, 50>) \
    X(genkyouhidari, Table<std::string, 50, 20, 2>) X(genkyoumigi, Table<std::string, 50, 20, 2>)                \
    X(kirimorihidari, Table<std::string, 50, 20, 2>) X(kirimorimigi, Table<std::string, 50, 20, 2>)              \
    /* Point counts of each station and side: the leading points with a non-empty offset. */                     \
    X(genkyouhidarisuu, Table<int, 50>) X(genkyoumigisuu, Table<int, 50>)                                        \
    X(kirimorihidarisuu, Table<int, 50>) X(kirimorimigisuu, Table<int, 50>)
// clang-format on
VANTOR_SECTION_TABLES(VANTOR_BUS_DECLARE)

} // namespace 縦断bus
