#pragma once
// Module values of the cross-section screens beyond the shared tables: the station row the
// section screens stand on, and the earthwork areas per station that the section sheet labels.
#include "platform/runtime/table.h"

namespace 縦断bus {

// The current station row of the cross-section screens (0 until one of them sets it).
inline int danmenbangou = 0;
// Cut (C), fill (B) and backfill (B') area [m²] of stations 1..50, from the earthwork areas.
inline rt::Table<float, 50> kiridomenseki, moridomenseki, umemodoshimenseki;

// Start-up values, for tests.
inline void ResetSectionState() {
    danmenbangou = 0;
    kiridomenseki.Fill(0);
    moridomenseki.Fill(0);
    umemodoshimenseki.Fill(0);
}

} // namespace 縦断bus
