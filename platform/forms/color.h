#pragma once
// Colours as the screens give them: 0x00BBGGRR.
namespace forms {

constexpr long RGB(int r, int g, int b) { return r + g * 256L + b * 65536L; }

inline constexpr long vbBlack = 0x000000;
inline constexpr long vbWhite = 0xFFFFFF;
inline constexpr long vbRed = 0x0000FF;
inline constexpr long vbGreen = 0x00FF00;
inline constexpr long vbBlue = 0xFF0000;
inline constexpr long vbYellow = 0x00FFFF;

} // namespace forms
