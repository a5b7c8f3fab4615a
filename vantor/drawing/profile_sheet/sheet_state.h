#pragma once
// The profile sheet's working tables, rewritten by every drawing of the sheet: the settings
// boxes as read at the press, the sheet coordinates of the stations and vertical curves, the
// pavement bottoms, the band heights in paper millimetres and the title's place.
//
// Sheet coordinates: one unit is one millimetre of paper; x = (station - first station)
// x 1000 / SH, y = (height - DL) x 1000 / SV; the bands lie below y = -50.
#include "vantor/model/bus/bus_table.h"

#include <string>

namespace 縦断bus::profile_sheet {

inline constexpr int kMaxStations = 100; // rows of zahyoutate and tatemoji
inline constexpr int kMaxCurves = 50;    // rows of the vertical-curve tables
inline constexpr int kBands = 12;

// The drawing screen's boxes SH, SV, DL as numbers and the scale boxes as typed.
struct SheetBoxes {
    double SH = 0, SV = 0, DL = 0;
    std::string SHText, SVText;
};
inline SheetBoxes boxes;

inline int sakuzusokutensuu = 0; // stations drawn: profile rows 1..n

// Row i = station i: 1 x, 2..5 y of tatedata columns 2..5 (ground, reference planned
// height, curve length, planned height).
inline Table<float, kMaxStations, 8> zahyoutate;
// Start and end of vertical curve j: x, the parabola's y, and the lower of the two y.
inline Table<float, kMaxCurves> vcbx, vcex, vcby, vcey, vcsaitei;
// Thickness [m] of the k-th checked pavement layer, and the depth of its bottom below the
// planned line (element 0: the planned line itself).
inline Table<float, 4> hosouatsu, hosoufukasa;
inline Table<float, kBands> obitakasazu; // band heights [mm]

inline std::string taitoru;                // the sheet title
inline std::string taitoruichi;            // its insertion point "x,y"
inline float taitorutakasa = 0;            // highest y of ground and planned heights, at least 0
inline float yokoshaku = 0, tateshaku = 0; // SH and SV of the last elevation scale

} // namespace 縦断bus::profile_sheet
