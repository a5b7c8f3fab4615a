#pragma once
// Edge plan points of sub-point d3bangou of interval d3kukan: the road's direction from the
// sub-point's own auxiliary points (the station direction rule without end rules), and the
// left and right edge points at the widths d3hidarifukuin / d3migifukuin along its normals.
// A direction that cannot be decided keeps what the last direction left.
namespace 縦断bus {

void keisanhoukou();

} // namespace 縦断bus
