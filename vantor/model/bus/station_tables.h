#pragma once
// The computation unit's station-parallel tables of the sections, shoulders and drawings.
#include "vantor/model/bus/bus_table.h"

#include <string>

namespace 縦断bus {

// ---- Station-parallel tables of the sections, shoulders and drawings ----
// 1 left shoulder height, 2 left width, 3 left cross slope, 4 left reference slope, 5 station,
// 6 planned height, 7 right reference slope, 8 right cross slope, 9 right width,
// 10 right shoulder height
inline Table<float, 500, 10> yokodata;
// 0 station text, 1 existing-ground block, 2 planned block, 3-6 standard widths and slopes
inline Table<std::string, 200, 7> yokosakuzudata;
// 1-4 offsets L4..L1 left, 5 station, 6-9 offsets L1..L4 right [m]
inline Table<float, 500, 9> rokatadata;
// Plan points [mm] of the shoulder offset lines L1..L4 left and right at every station.
inline Table<float, 500> l1hidarix, l1hidariy, l2hidarix, l2hidariy, l3hidarix, l3hidariy, l4hidarix, l4hidariy;
inline Table<float, 500> l1migix, l1migiy, l2migix, l2migiy, l3migix, l3migiy, l4migix, l4migiy;

} // namespace 縦断bus
