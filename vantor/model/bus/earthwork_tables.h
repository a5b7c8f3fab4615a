#pragma once
// The computation unit's earthwork working state: areas, slope line, influence lines.
#include "vantor/model/bus/bus_table.h"

#include <string>

namespace 縦断bus {

// ---- Earthwork areas of one section: working state of the area, slope-line and
// influence-line procedures. Sides: x is the offset outward from the centre line [m], y the
// height relative to the existing ground at the centre line [m]. ----
inline int mensekiflg = 0;       // 1 integrate the areas, 0 lines only
inline int dotsubobangou = 0;    // station of the last computation
inline int mensekisayuu = 0;     // side being integrated: 1 left, 2 right
inline float kirimen = 0, morimen = 0, jouhoukirimen = 0;   // sums of the side just integrated

// Working polylines of the current side.
inline Table<float, 50> genkyoux, genkyouy;     // ground, points 0..genkyousaishuu
inline int genkyousaishuu = 0;
inline Table<float, 50> kirimorix, kirimoriy;   // planned line, slope end at kirimoritensuu
inline int kirimoritensuu = 0;
inline Table<float, 50> kussakux, kussakuy;     // excavation line

// Per side, kept from the geometry pass for the area pass and the plot of the same call.
inline Table<float, 50, 20, 2> kirimorisenhidari, kirimorisenmigi;   // planned line incl. slope end
inline Table<float, 50> kussakuhidarix, kussakuhidariy, kussakumigix, kussakumigiy;
inline Table<float, 50> genkyousenhidarix, genkyousenhidariy, genkyousenmigix, genkyousenmigiy;
inline int genkyousenhidarisaishuu = 0, genkyousenmigisaishuu = 0;

// ---- Slope line ----
inline float norikitenx = 0, norikiteny = 0;    // formation edge
inline float kirinori = 0, morinori = 0;        // cut and fill slope ratios (horizontal per vertical)
inline std::string norishurui;                  // "K" cut, "M" fill
inline float norikoubai = 0, noriseppen = 0;    // slope line y = norikoubai x + noriseppen
inline float norijirix = 0;                     // offset of the slope end
inline int norikousaflg = 0;                    // 0 the slope meets the vertical face, 1 it does not

// ---- Excavation influence lines ----
inline float eikyoukitenx = 0, eikyoukiteny = 0;   // foot of the current influence line
inline float eikyoukoubai = 0, eikyouseppen = 0;
inline int eikyouflg = 0;   // 0 foot beyond the ground, 1 ground below the foot, 2 at or above
// Where the last rising-step influence line of the side being built met the excavation line
// (0 when none), and that meeting offset kept per station and side (1 left, 2 right).
inline float eikyoukousax = 0, eikyoukousay = 0;
inline Table<float, 50, 2> sokuteneikyoukousax;

} // namespace 縦断bus
