#pragma once
// The profile graph: stations on x, heights on y (metres), drawn on グラフ.図 with an
// optional grid, a frame, station bars, the ground line, the change-point polygon and the
// planned line sampled every 1 m.

#include <string>

namespace 縦断bus {

inline const std::string kGurafuDataNashi = "縦断図に描く測点と計画高がありません。";

// The grid interval of a range: one tenth of the first power of ten from 0.0001 upward that
// reaches range / 10, held in single precision (so 9.999999 for a range of 500).
float memorikizami(float range);

struct Jikugenkai {
    float lower, upper;
};
// The grid range of the values min .. max for the interval `step`: two intervals of room on
// either side of the intervals that hold them.
Jikugenkai jikugenkai(float min, float max, float step);

// Command 縦断図, after the profile computation: samples the planned line, takes the stations
// into the graph, fits the view, the grid intervals and the grid range to the whole profile
// and draws it. Without a station with a planned height it says so and draws nothing.
void keisangurafu();

// Draws the graph for the current view with the current grid settings and shows グラフ.
void sakuzugurafu();

} // namespace 縦断bus
