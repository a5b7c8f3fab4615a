#pragma once
// The computation unit's station-parallel tables of the sections, shoulders and drawings.
#include "vantor/model/bus/bus_table.h"

#include <string>

namespace 縦断bus {

// clang-format off
#define VANTOR_STATION_TABLES(X)                                                                       \
    /* ---- Station-parallel tables of the sections, shoulders and drawings ---- */                    \
    /* 1 left shoulder height, 2 left width, 3 left cross slope, 4 left reference slope, 5 station, */ \
    /* 6 planned height, 7 right reference slope, 8 right cross slope, 9 right width, */               \
    /* 10 right shoulder height */                                                                     \
    X(yokodata, Table<float, 500, 10>)                                                                 \
    /* 0 station text, 1 existing-ground block, 2 planned block, 3-6 standard widths and slopes */     \
    X(yokosakuzudata, Table<std::string, 200, 7>)                                                      \
    /* 1-4 offsets L4..L1 left, 5 station, 6-9 offsets L1..L4 right [m] */                             \
    X(rokatadata, Table<float, 500, 9>)                                                                \
    /* Plan points [mm] of the shoulder offset lines L1..L4 left and right at every station. */        \
    X(l1hidarix, Table<float, 500>) X(l1hidariy, Table<float, 500>) X(l2hidarix, Table<float, 500>)    \
    X(l2hidariy, Table<float, 500>) X(l3hidarix, Table<float, 500>) X(l3hidariy, Table<float, 500>)    \
    X(l4hidarix, Table<float, 500>) X(l4hidariy, Table<float, 500>)                                    \
    X(l1migix, Table<float, 500>) X(l1migiy, Table<float, 500>) X(l2migix, Table<float, 500>)          \
    X(l2migiy, Table<float, 500>) X(l3migix, Table<float, 500>) X(l3migiy, Table<float, 500>)          \
    X(l4migix, Table<float, 500>) X(l4migiy, Table<float, 500>)
// clang-format on
VANTOR_STATION_TABLES(VANTOR_BUS_DECLARE)

} // namespace 縦断bus
