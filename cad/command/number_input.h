#pragma once
// Numbers and points as typed at the command line: "12", "-0.5", ".5", "1.234568E+07",
// "x,y", "x,y,z" and "@dx,dy[,dz]" relative to the last point.
#include "cad/drawing/geometry.h"

#include <optional>
#include <string_view>

namespace cad::command {

// The whole text must be a finite decimal number (sign, digits, point, exponent).
std::optional<double> ParseNumber(std::string_view text);

// A point; "@" alone is the last point itself.
std::optional<Point> ParsePoint(std::string_view text, Point last);

} // namespace cad::command
