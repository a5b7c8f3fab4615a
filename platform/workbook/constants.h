#pragma once
// The spreadsheet's published constant values, as callers pass them.

namespace xl {

// Border indexes.
constexpr int xlEdgeLeft = 7;
constexpr int xlEdgeTop = 8;
constexpr int xlEdgeBottom = 9;
constexpr int xlEdgeRight = 10;
constexpr int xlInsideVertical = 11;
constexpr int xlInsideHorizontal = 12;

// Line styles.
constexpr int xlContinuous = 1;
constexpr int xlDash = -4115;
constexpr int xlDot = -4118;
constexpr int xlDouble = -4119;
constexpr int xlDashDot = 4;
constexpr int xlDashDotDot = 5;
constexpr int xlSlantDashDot = 13;
constexpr int xlLineStyleNone = -4142;

// Border weights.
constexpr int xlHairline = 1;
constexpr int xlThin = 2;
constexpr int xlMedium = -4138;
constexpr int xlThick = 4;

// Colour indexes (palette entries are 1 .. 56).
constexpr int xlColorIndexAutomatic = -4105;
constexpr int xlColorIndexNone = -4142;

// Interior patterns.
constexpr int xlPatternSolid = 1;
constexpr int xlPatternNone = -4142;

// Directions of Range.End.
constexpr int xlDown = -4121;

// Sheet limits of the file format.
constexpr int kMaxRows = 65536;
constexpr int kMaxColumns = 256;

} // namespace xl
