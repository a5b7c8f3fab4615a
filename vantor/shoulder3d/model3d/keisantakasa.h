#pragma once
// Planned height [m] at chainage d3kyori into d3keikakudaka, by the profile's own rules: the
// tangent polygon through the gradient-change points, extended before the first and beyond
// the last, and the parabola of the vertical curve that holds the chainage (a later curve
// where two touch). Needs the profile computed with at least two change points.
namespace 縦断bus {

void keisantakasa();

} // namespace 縦断bus
