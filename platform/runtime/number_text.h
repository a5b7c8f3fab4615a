#pragma once
// The one conversion of numbers to text. Every number the user, a sheet or the CAD sees
// passes through here, in the precision it is held in:
//   single: at most 7 significant digits, exponent form from 1E+07;
//   double: at most 15 significant digits, exponent form from 1E+15;
//   integers plain; no trailing zeros; -0 prints as "0".
// CStr form: "0.5", "-0.5", "1.234568E+07".  Str form: " .5", "-.5", " 12".
#include <string>

namespace rt {

std::string CStr(float v);
std::string CStr(double v);
std::string CStr(long long v);
inline std::string CStr(long v) { return CStr(static_cast<long long>(v)); }
inline std::string CStr(int v) { return CStr(static_cast<long long>(v)); }
inline std::string CStr(short v) { return CStr(static_cast<long long>(v)); }

std::string Str(float v);
std::string Str(double v);
std::string Str(long long v);
inline std::string Str(long v) { return Str(static_cast<long long>(v)); }
inline std::string Str(int v) { return Str(static_cast<long long>(v)); }
inline std::string Str(short v) { return Str(static_cast<long long>(v)); }

} // namespace rt
