#include "platform/workbook/style_codes.h"

#include <array>

namespace xl::detail {

namespace {

struct LineEntry {
    int lineStyle;
    int weight;
};
// Index = line code of the file format.
constexpr std::array<LineEntry, 14> kLines{{
    {xlLineStyleNone, xlThin},  // 0 none
    {xlContinuous, xlThin},     // 1 thin
    {xlContinuous, xlMedium},   // 2 medium
    {xlDash, xlThin},           // 3 dashed
    {xlDot, xlThin},            // 4 dotted
    {xlContinuous, xlThick},    // 5 thick
    {xlDouble, xlThick},        // 6 double
    {xlContinuous, xlHairline}, // 7 hair
    {xlDash, xlMedium},         // 8 medium dashed
    {xlDashDot, xlThin},        // 9 dash-dot
    {xlDashDot, xlMedium},      // 10 medium dash-dot
    {xlDashDotDot, xlThin},     // 11 dash-dot-dot
    {xlDashDotDot, xlMedium},   // 12 medium dash-dot-dot
    {xlSlantDashDot, xlMedium}  // 13 slanted dash-dot
}};

// Index = fill pattern code of the file format.
// clang-format off
constexpr std::array<int, 19> kPatterns{
    xlPatternNone, xlPatternSolid, -4125 /*gray 50*/, -4126 /*gray 75*/, -4124 /*gray 25*/,
    -4128 /*horizontal*/, -4166 /*vertical*/, -4121 /*down*/, -4162 /*up*/, 9 /*checker*/,
    10 /*semi gray 75*/, 11, 12, 13, 14 /*light stripes*/, 15 /*grid*/, 16 /*criss-cross*/,
    17 /*gray 16*/, 18 /*gray 8*/};
// clang-format on

bool IsHeavy(int weight) { return weight == xlMedium || weight == xlThick; }

} // namespace

bool IsLineStyle(int lineStyle) {
    for (auto& e : kLines)
        if (e.lineStyle == lineStyle) return true;
    return false;
}

bool IsWeight(int weight) {
    return weight == xlHairline || weight == xlThin || weight == xlMedium || weight == xlThick;
}

bool IsPattern(int pattern) {
    for (int p : kPatterns)
        if (p == pattern) return true;
    return false;
}

bool IsPaletteColor(int colorIndex) { return colorIndex >= 1 && colorIndex <= 56; }

int LineCode(const EdgeStyle& edge) {
    switch (edge.lineStyle) {
    case xlContinuous:
        if (edge.weight == xlHairline) return 7;
        if (edge.weight == xlMedium) return 2;
        if (edge.weight == xlThick) return 5;
        return 1;
    case xlDash: return IsHeavy(edge.weight) ? 8 : 3;
    case xlDot: return 4;
    case xlDouble: return 6;
    case xlDashDot: return IsHeavy(edge.weight) ? 10 : 9;
    case xlDashDotDot: return IsHeavy(edge.weight) ? 12 : 11;
    case xlSlantDashDot: return 13;
    default: return 0;
    }
}

EdgeStyle EdgeFromCodes(int lineCode, int colorCode) {
    EdgeStyle e;
    if (lineCode <= 0 || lineCode >= static_cast<int>(kLines.size())) return e;
    e.lineStyle = kLines[lineCode].lineStyle;
    e.weight = kLines[lineCode].weight;
    e.colorIndex = ColorFromCode(colorCode);
    return e;
}

EdgeStyle Normalized(const EdgeStyle& edge) {
    int code = LineCode(edge);
    if (code == 0) return EdgeStyle{};
    return EdgeFromCodes(code, ColorCode(edge.colorIndex, 64));
}

int PatternCode(int pattern) {
    for (std::size_t i = 0; i < kPatterns.size(); ++i)
        if (kPatterns[i] == pattern) return static_cast<int>(i);
    return 0;
}

int PatternFromCode(int code) {
    if (code < 0 || code >= static_cast<int>(kPatterns.size())) return xlPatternNone;
    return kPatterns[code];
}

// Palette entries 1 .. 56 are codes 8 .. 63; codes 0 .. 7 are the first eight colours again.
int ColorCode(int colorIndex, int automaticCode) { return IsPaletteColor(colorIndex) ? colorIndex + 7 : automaticCode; }

int ColorFromCode(int code) {
    if (code >= 0 && code <= 7) return code + 1;
    if (code >= 8 && code <= 63) return code - 7;
    return xlColorIndexAutomatic;
}

} // namespace xl::detail
