#pragma once
// Straight lines of the section polylines, y = a x + b, in single precision.
#include <optional>

namespace 縦断bus {

struct StraightLine {
    float a = 0, b = 0;
    float At(float x) const { return a * x + b; }
};

// The line through two points of different offsets.
inline StraightLine LineThrough(float x0, float y0, float x1, float y1) {
    const float a = (y1 - y0) / (x1 - x0);
    return {a, y0 - a * x0};
}

// Offset where the line meets y = gradient x + intercept; none when the two are parallel.
inline std::optional<float> MeetingOffset(StraightLine line, float gradient, float intercept) {
    if (line.a == gradient) return std::nullopt;
    return (intercept - line.b) / (line.a - gradient);
}

} // namespace 縦断bus
