#pragma once
// How far a cross-section can reach: no road has points more than 1 km from its centre line
// or 10 km above or below it. Points beyond are typing slips (an offset of 300000 for 300),
// and strips 0.01 m wide out to them would never end, so such a section is refused before
// its areas are sampled.
#include <string>

namespace 縦断bus {

inline constexpr double kSectionReachOffset = 1000;  // m from the centre line
inline constexpr double kSectionReachHeight = 10000; // m above or below it

// Whether every counted ground and cut/fill point of station `s`, both sides, lies within
// reach (the counts taken beforehand).
bool SectionWithinReach(int s);

// Counts the points of stations 1..last and returns the first whose points lie beyond
// reach; 0 when all lie within.
int FirstStationBeyondReach(int last);

} // namespace 縦断bus
