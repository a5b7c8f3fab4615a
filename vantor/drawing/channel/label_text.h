#pragma once
// Fixed-width label texts of profile values for the drawings: blanks in front keep the
// decimal point of all labels of one kind in the same character position, and a label that
// fits its field carries at least two decimals.
#include <string>
#include <string_view>

namespace 縦断bus {

// The label text of a number already in its general text `s` (x its value) for a field of
// `width` characters before the point, a minus sign included.
std::string LabelText(double x, std::string s, int width);

// A value rounded to hundredths (halves of a hundredth and a little less go up: 0.51) in a
// field of three places before the point. A single-precision value is multiplied in single
// precision; a text is read as the number it begins with, in double precision.
std::string seikeisuuchi(float value);
std::string seikeisuuchi(std::string_view value);

// Fills tatemoji rows 1..sokutensuu, columns 1, 2, 5 (width 4) and 6, 8 (width 2; column 6
// without its sign) from tatedata. A row beyond the table raises the subscript error after
// the rows that fit have been written.
void seikeitate();

} // namespace 縦断bus
