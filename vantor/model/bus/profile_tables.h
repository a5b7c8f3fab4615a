#pragma once
// The computation unit's profile tables: stations, gradients, vertical curves, the planned line.
#include "vantor/model/bus/bus_table.h"

namespace 縦断bus {

// clang-format off
#define VANTOR_PROFILE_TABLES(X)                                                                               \
    /* ---- Profile (rows are stations) ---- */                                                                \
    X(sokutensuu, int)  /* station rows shared by every station-parallel table */                              \
    /* 1 station, 2 ground, 3 reference planned height, 4 Lv, 5 planned height, */                             \
    /* 6 planned - ground, 7 gradient [%], 8 distance from the previous station [m] */                         \
    X(tatedata, Table<float, 500, 8>)                                                                          \
    X(henkatensuu, int)                               /* gradient-change points */                             \
    X(xb, Table<float, 500>) X(yb, Table<float, 500>)  /* station and reference height of each change point */ \
    X(koubai, Table<float, 100>)                      /* gradient (ratio) from change point m to m+1 */        \
    X(kyokusensuu, int)                               /* vertical curves */                                    \
    X(vcxb, Table<float, 500>) X(vcyb, Table<float, 500>) X(lv, Table<float, 500>) X(vcb, Table<float, 500>)   \
    X(vce, Table<float, 500>)                                                                                  \
    X(koubaitemae, Table<float, 100>) X(koubaiushiro, Table<float, 100>)                                       \
    /* height = a x^2 + b x + c */                                                                             \
    X(keisuua, Table<float, 50>) X(keisuub, Table<float, 50>) X(keisuuc, Table<float, 50>)                     \
    X(keikakusensuu, float)  /* index of the last sample of the planned line */                                \
    X(keikakusenx, Table<float, 2000>) X(keikakuseny, Table<float, 2000>)                                      \
    X(wka, float) X(wkb, float) X(wkc, float) X(wkgyou, float)                                                 \
    X(yuukousokutensuu, int)    /* rows 1..sokutensuu that have a station */                                   \
    X(kakuteihenkatensuu, int)  /* henkatensuu of the last run that got past the overlap check */              \
    X(vcbflg, int) X(vceflg, int)  /* 1 when the last checked curve starts / ends too far out */               \
    /* ---- Warnings of the profile input and the grid editor ---- */                                          \
    X(keikokuflg, int)      /* 1 once a warning has been written, 0 from the next edit check */                \
    X(henshuugyou, int)     /* grid row of the profile editor: the row the edit check looks at */              \
    X(henshuuretsu, short)  /* grid column of the editor */                                                    \
    X(keikokugyou, short) X(keikokuretsu, short)  /* the cell stored last */
// clang-format on
VANTOR_PROFILE_TABLES(VANTOR_BUS_DECLARE)

} // namespace 縦断bus
