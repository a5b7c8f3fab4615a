#pragma once
// The computation unit's cross-section point tables and the areas computed from them.
#include "vantor/model/bus/bus_table.h"

#include <string>

namespace 縦断bus {

// ---- Cross-section point tables (station 1..50, point 0..19, 1 offset / 2 height) ----
inline int danmensuu = 0;            // station blocks headed on the two section sheets
inline int danmenbangou = 0;         // station row the section screens stand on (0: none yet)
// Cut (C), fill (B) and backfill (B') area [m²] of stations 1..50, from the earthwork areas.
inline Table<float, 50> kiridomenseki, moridomenseki, umemodoshimenseki;
inline Table<std::string, 50, 20, 2> genkyouhidari, genkyoumigi, kirimorihidari, kirimorimigi;
// Point counts of each station and side: the leading points with a non-empty offset.
inline Table<int, 50> genkyouhidarisuu, genkyoumigisuu, kirimorihidarisuu, kirimorimigisuu;

} // namespace 縦断bus
