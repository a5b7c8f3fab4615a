#pragma once
// The road edges of the plan between consecutive stations, from the edge points of the
// stations: an arc about the curve's centre where both stations lie on one curve, a line
// elsewhere. A side is left out of an interval where a station has no width on that side.
namespace 縦断bus {

void sakuzusen();

} // namespace 縦断bus
