#pragma once
// The computation unit's drawing tables: the CAD link, the profile sheet's bands and labels,
// the plan drawing's sizes and the CAD command line being built.
#include "vantor/model/bus/bus_table.h"

#include <cstdint>
#include <string>

namespace 縦断bus {

// clang-format off
#define VANTOR_DRAWING_TABLES(X)                                                                                     \
    /* ---- Label texts of the profile values for the drawings ---- */                                               \
    X(tatemoji, Table<std::string, 100, 8>)                                                                          \
    /* ---- Drawing part: the link to the CAD, the profile sheet's band layout and datum values ---- */              \
    X(ddeflg, int)                  /* 1 while the link to the CAD is open */                                        \
    X(obitakasa, Table<float, 12>)  /* band heights [cm], 1..12 */                                                   \
    X(taitorusaizu, float) X(mojisaizu, float) X(suujisaizu, float)  /* title, text, number sizes [mm] */            \
    X(saishoudaka, float) X(saidaidaka, float) X(dlchi, float)       /* lowest, highest planned height, datum */     \
    X(hosousuu, int)                                                 /* checked pavement layers */                   \
    X(obimoji, Table<std::string, 11, 3>)  /* band k = 1..11, one character in each row 1..3 */                      \
    /* ---- Plan drawing: the sizes the last plan drawing took (the single-station plot draws with */                \
    /* them too), the road edge points and the label point of the stations ---- */                                   \
    X(mojidaka, std::int16_t)  /* text height = 縮尺 × 文字サイズ, rounded half to even */                           \
    X(enkei, float)            /* circle radius = 縮尺 × 径 */                                                       \
    X(mojiichi, float)         /* label offset = 縮尺 × 文字位置 */                                                  \
    /* left road edge point of each station */                                                                       \
    X(fukuinhidarix, Table<float, 500>) X(fukuinhidariy, Table<float, 500>)                                          \
    X(fukuinmigix, Table<float, 500>) X(fukuinmigiy, Table<float, 500>)  /* right road edge point of each station */ \
    X(mojix, float) X(mojiy, float)  /* insertion point of the last label */                                         \
    /* Right normal of the last station direction [degrees]; the left one is wkhidarikaku. */                        \
    X(wkmigikaku, float)                                                                                             \
    /* ---- CAD command line being built ---- */                                                                     \
    X(komando, std::string)
// clang-format on
VANTOR_DRAWING_TABLES(VANTOR_BUS_DECLARE)

// True once a plan drawing has taken its sizes in this run.
inline bool HasPlanSizes() { return mojidaka != 0; }

} // namespace 縦断bus
