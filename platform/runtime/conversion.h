#pragma once
// Text to number, and the program's rounding rule.
#include <string_view>

namespace rt {

// The number at the start of a text: blanks skipped wherever they stand, reading stops at
// the first other character that cannot continue a number; 0 when the text does not begin
// with one.
double Val(std::string_view text);

// Strict conversions: the whole text (blanks around it allowed) must be a number,
// otherwise error 13 (type mismatch) is raised.
double CDbl(std::string_view text);
float CSng(std::string_view text);
// Rounds half to even as the language does, then checks the 16-bit range (overflow past it).
short CInt(double v);
short CInt(std::string_view text);

// True when the text, trimmed, is a number CDbl accepts.
bool IsNumeric(std::string_view text);

// floor(v * 10^d + 0.5) / 10^d: halves up, also for negative values.
double RoundHalfUp(double v, int decimals);
// floor(x / step + 0.5) * step.
double RoundToStep(double x, double step);

// Trims blanks (ASCII and the full-width blank) at both ends.
std::string_view Trim(std::string_view text);

} // namespace rt
