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
inline constexpr int kSubPointStep = 500;  // mm of chainage between sub-points
inline Table<float, 500, 1000> d3hidarix, d3hidariy, d3hidariz, d3migix, d3migiy, d3migiz;
inline Table<float, 1000, 1000, 3> d3chuushin;  // plane 1 X, 2 Y, 3 Z of the centre point
// Drawn edge heights: the cross fall exaggerated by 縮尺 / 100.
inline Table<float, 500, 1000> d3hidarizsakuzu, d3migizsakuzu;
inline Table<float, 500> d3sokutenz;         // centre Z of each station
inline Table<std::int16_t, 500> d3tensuu;    // n(i): the last kept sub-point of interval i
inline int d3sokutensuu = 0;                 // stations of the last model built, 0 before any
// Working values of the sub-point being computed.
inline float d3kyori = 0;                    // chainage [mm]
inline std::int16_t d3bangou = 0;            // sub-point number
inline std::int16_t d3sokuten = 0;           // interval whose widths are interpolated
inline std::int16_t d3kukan = 0;             // interval whose edge points are computed
inline float d3x = 0, d3y = 0;               // plan point of d3kyori
inline Table<float, 2000> d3hidarifukuin, d3migifukuin;  // widths [mm] per sub-point
inline float d3hidarikoubai = 0, d3migikoubai = 0;       // cross slopes [%] at d3kyori
inline float d3keikakudaka = 0;                          // planned height [m] at d3kyori
inline Table<float, 1000, 2> d3hojox, d3hojoy;  // auxiliary points per sub-point: 1 before, 2 after

} // namespace 縦断bus
