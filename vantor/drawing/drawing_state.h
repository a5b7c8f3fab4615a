#pragma once
// Module values of the drawing part: the link flag, the profile sheet's band layout and the
// datum values that the drawing screen takes when it loads.
#include "platform/runtime/table.h"

#include <string>

namespace 縦断bus {

inline int ddeflg = 0;                    // 1 while the link to the CAD is open
inline rt::Table<float, 12> obitakasa;    // band heights [cm], 1..12
inline float taitorusaizu = 0, mojisaizu = 0, suujisaizu = 0;   // title, text, number sizes [mm]
inline float saishoudaka = 0, saidaidaka = 0, dlchi = 0;        // lowest, highest planned height, datum
inline int hosousuu = 0;                  // checked pavement layers
inline rt::Table<std::string, 11, 3> obimoji;   // band k = 1..11, one character in each row 1..3

// Back to the values at program start.
void ResetDrawingState();

} // namespace 縦断bus
