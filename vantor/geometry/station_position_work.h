#pragma once
// Working values of the station plan position. They live in the computation unit so that the
// plan drawing, the shoulder lines and the 3D model, which run the same direction rules, see
// what the last station placed left in them.
#include "platform/runtime/table.h"

namespace 縦断bus {

inline int wkipbangou = 0;                  // element holding the station
inline float wkyousokyori = 0;              // distance into the element (straight or curve)
inline rt::Table<float, 2> wkhojoyousokyori; // the same for auxiliary points 1 and 2
inline float wkhenkaku = 0;                 // deflection angle l / 2R
inline rt::Table<float, 2> wkhojohenkaku;
inline float wkgenchou = 0;                 // chord from the BC
inline rt::Table<float, 2> wkhojogenchou;
inline float wkhoukoukaku = 0;              // angle of the incoming leg with the X axis
inline float wkhidarikaku = 0;              // direction of the chord from the BC
inline rt::Table<float, 2> wkhojohoukou;
inline int wkshougen = 0;                   // direction state 1..8 of the incoming leg

} // namespace 縦断bus
