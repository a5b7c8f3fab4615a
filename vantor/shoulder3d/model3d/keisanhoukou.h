#pragma once
// Edge plan points of sub-point d3bangou of interval d3kukan: the road's direction at the
// sub-point's chainage, worked from the alignment element that holds it, and the left and
// right edge points at the widths d3hidarifukuin / d3migifukuin along its normals.
namespace 縦断bus {

void keisanhoukou();

} // namespace 縦断bus
