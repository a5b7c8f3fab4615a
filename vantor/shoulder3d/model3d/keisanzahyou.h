#pragma once
// Plan point of the current sub-point: the point of chainage d3kyori on the horizontal
// alignment into d3x / d3y and its two auxiliary points into row d3bangou of d3hojox /
// d3hojoy. The station placement's routine with the model's options: a chainage at a curve's
// start lies on the straight, and the curve side is kept in sayuumoji only.
namespace 縦断bus {

void keisanzahyou();

} // namespace 縦断bus
