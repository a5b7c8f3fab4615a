#pragma once
// The automation's border, pattern and colour values and the codes the file format stores
// for them. A setting that has no code is refused (1004); settings are kept in the form they
// come back from a file, so that a saved workbook reads back equal.
#include "platform/workbook/cell_format.h"

namespace xl::detail {

bool IsLineStyle(int lineStyle);
bool IsWeight(int weight);
bool IsPattern(int pattern);
bool IsPaletteColor(int colorIndex); // 1 .. 56

// Line code 0 .. 13 of a border, and back (code 0 = no line).
int LineCode(const EdgeStyle& edge);
EdgeStyle EdgeFromCodes(int lineCode, int colorCode);
// The edge as it reads back once stored.
EdgeStyle Normalized(const EdgeStyle& edge);

// Fill pattern code 0 .. 18, and back.
int PatternCode(int pattern);
int PatternFromCode(int code);

// Palette colour code of a colour index (automatic -> `automaticCode`), and back.
int ColorCode(int colorIndex, int automaticCode);
int ColorFromCode(int code);

} // namespace xl::detail
