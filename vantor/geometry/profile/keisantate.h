#pragma once
// The profile computation: change points, tangent gradients, parabolic vertical curves and,
// for every station row, the planned height (column 5), planned minus ground (column 6) and
// the gradient in percent (column 7) of tatedata.
#include "vantor/model/縦断bus.h"

namespace 縦断bus {

// Recomputes the profile from tatedata columns 1 to 4. Fewer than two change points leave
// everything as it was. Input the tables cannot take, overlapping curves and a curve that does
// not fit between its neighbouring change points stop the computation with a warning
// (keikokuflg = 1).
void keisantate();

} // namespace 縦断bus
