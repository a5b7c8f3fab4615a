#pragma once
// The computation unit's 3D road model.
#include "vantor/model/bus/bus_table.h"

#include <cstdint>

namespace 縦断bus {

// ---- 3D road model (millimetres) ----
// Interval i runs from station i to station i + 1; its sub-point s lies 500 × s mm past
// station i, sub-point 0 being the station itself. Row sokutensuu (sub-point 0) holds the last
// station. An edge point without a width (an empty width cell, or a side without cross slopes)
// holds 99999 in all its cells. The tables are namespace-scope statics: far too large for a
// stack.
inline constexpr int kSubPointStep = 500; // mm of chainage between sub-points
// clang-format off
#define VANTOR_MODEL3D_TABLES(X)                                                                                      \
    X(d3hidarix, Table<float, 500, 1000>) X(d3hidariy, Table<float, 500, 1000>) X(d3hidariz, Table<float, 500, 1000>) \
    X(d3migix, Table<float, 500, 1000>) X(d3migiy, Table<float, 500, 1000>) X(d3migiz, Table<float, 500, 1000>)       \
    X(d3chuushin, Table<float, 1000, 1000, 3>)  /* plane 1 X, 2 Y, 3 Z of the centre point */                         \
    /* Drawn edge heights: the cross fall exaggerated by 縮尺 / 100. */                                               \
    X(d3hidarizsakuzu, Table<float, 500, 1000>) X(d3migizsakuzu, Table<float, 500, 1000>)                             \
    X(d3sokutenz, Table<float, 500>)       /* centre Z of each station */                                             \
    X(d3tensuu, Table<std::int16_t, 500>)  /* n(i): the last kept sub-point of interval i */                          \
    X(d3sokutensuu, int)                   /* stations of the last model built, 0 before any */                       \
    /* Working values of the sub-point being computed. */                                                             \
    X(d3kyori, float)                      /* chainage [mm] */                                                        \
    X(d3bangou, std::int16_t)              /* sub-point number */                                                     \
    X(d3sokuten, std::int16_t)             /* interval whose widths are interpolated */                               \
    X(d3kukan, std::int16_t)               /* interval whose edge points are computed */                              \
    X(d3x, float) X(d3y, float)            /* plan point of d3kyori */                                                \
    X(d3hidarifukuin, Table<float, 2000>) X(d3migifukuin, Table<float, 2000>)  /* widths [mm] per sub-point */        \
    X(d3hidarikoubai, float) X(d3migikoubai, float)                            /* cross slopes [%] at d3kyori */      \
    X(d3keikakudaka, float)                                                    /* planned height [m] at d3kyori */    \
    /* auxiliary points per sub-point: 1 before, 2 after */                                                           \
    X(d3hojox, Table<float, 1000, 2>) X(d3hojoy, Table<float, 1000, 2>)
// clang-format on
VANTOR_MODEL3D_TABLES(VANTOR_BUS_DECLARE)

} // namespace 縦断bus
