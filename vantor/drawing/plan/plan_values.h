#pragma once
// Values of the plan drawing kept between runs: the sizes the last plan drawing took from the
// drawing screen (the single-station plot draws with them too), the road edge points and the
// label point of the stations, and the right normal of the station-direction rules. They
// belong with the computation unit's state; ResetPlanValues puts them back to their start.
#include "vantor/model/縦断bus.h"

#include <cstdint>

namespace 縦断bus {

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

void ResetPlanValues();

} // namespace 縦断bus
