#pragma once
// Coordinates as the CAD prints them, with the number of decimals of LUPREC.
#include "cad/drawing/geometry.h"

#include <string>

namespace cad::command {

// "12.5000" for 12.5 with 4 decimals: rounded half up, zeros kept.
std::string FixedText(double value, int decimals);
// "X = 10.0000     Y = 20.0000     Z = 0.0000"
std::string PointReport(Point p, int decimals);
// "10.0000,20.0000,0.0000"
std::string PointText(Point p, int decimals);

} // namespace cad::command
