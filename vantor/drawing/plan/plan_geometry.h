#pragma once
// Small pieces of the alignment that the plan drawing's parts share.

#include <string>

namespace 縦断bus {

// Whether the alignment turns left at IP i (the turn from the leg before it to the leg after
// it is positive). Arcs are sent counter-clockwise, so a left curve runs from its BC.
bool TurnsLeftAt(int i);

// The curve (IP number) that holds the whole interval from station row `from` to the next
// one, or 0 when the interval is not wholly on one curve.
int CurveHolding(int from);

// A point of a single-line command: x,y and the blank that ends it.
std::string LinePoint(float x, float y);

} // namespace 縦断bus
