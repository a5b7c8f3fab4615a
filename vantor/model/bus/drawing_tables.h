#pragma once
// The computation unit's drawing tables: the CAD link, the profile sheet's bands and labels,
// the plan drawing's sizes and the CAD command line being built.
#include "vantor/model/bus/bus_table.h"

#include <cstdint>
#include <string>

namespace 縦断bus {

// ---- Label texts of the profile values for the drawings ----
inline Table<std::string, 100, 8> tatemoji;

// ---- Drawing part: the link to the CAD, the profile sheet's band layout and datum values ----
inline int ddeflg = 0;                    // 1 while the link to the CAD is open
inline Table<float, 12> obitakasa;        // band heights [cm], 1..12
inline float taitorusaizu = 0, mojisaizu = 0, suujisaizu = 0;   // title, text, number sizes [mm]
inline float saishoudaka = 0, saidaidaka = 0, dlchi = 0;        // lowest, highest planned height, datum
inline int hosousuu = 0;                  // checked pavement layers
inline Table<std::string, 11, 3> obimoji; // band k = 1..11, one character in each row 1..3

// ---- Plan drawing: the sizes the last plan drawing took (the single-station plot draws with
// them too), the road edge points and the label point of the stations ----
inline std::int16_t mojidaka = 0;  // text height = 縮尺 × 文字サイズ, rounded half to even
inline float enkei = 0;            // circle radius = 縮尺 × 径
inline float mojiichi = 0;         // label offset = 縮尺 × 文字位置
inline Table<float, 500> fukuinhidarix, fukuinhidariy;  // left road edge point of each station
inline Table<float, 500> fukuinmigix, fukuinmigiy;      // right road edge point of each station
inline float mojix = 0, mojiy = 0;                      // insertion point of the last label
// Right normal of the last station direction [degrees]; the left one is wkhidarikaku.
inline float wkmigikaku = 0;
// True once a plan drawing has taken its sizes in this run.
inline bool HasPlanSizes() { return mojidaka != 0; }

// ---- CAD command line being built ----
inline std::string komando;

} // namespace 縦断bus
