#pragma once
// The computation unit's profile graph: the stations shown, its view and its grid.
#include "vantor/model/bus/bus_table.h"

namespace 縦断bus {

// ---- Profile graph: station, ground and planned height of the stations shown, 1 .. gurafusuu ----
inline Table<float, 500> gurafusokuten, gurafujiban, gurafukeikaku;
inline int gurafusuu = 0;
inline bool gurafukeikakusen = false;  // the planned line was sampled for the graph
inline float gurafuxmin = 0, gurafuxmax = 0, gurafuymin = 0, gurafuymax = 0;  // the view
inline float zentaixmin = 0, zentaixmax = 0, zentaiymin = 0, zentaiymax = 0;  // whole data
inline float xmemori = 0, ymemori = 0;                                        // grid intervals
inline float memorixmin = 0, memorixmax = 0, memoriymin = 0, memoriymax = 0;  // grid and frame

} // namespace 縦断bus
