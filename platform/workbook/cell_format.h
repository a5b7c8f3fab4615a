#pragma once
// The formatting of one cell: font size, border lines per edge, interior colour and pattern.
#include <cstddef>
#include <cstdint>

#include "platform/workbook/constants.h"

namespace xl::detail {

// One border line of a cell, in the automation's own values (16 bits hold them all).
struct EdgeStyle {
    std::int16_t lineStyle = xlLineStyleNone;
    std::int16_t weight = xlThin;
    std::int16_t colorIndex = xlColorIndexAutomatic;
    bool operator==(const EdgeStyle&) const = default;
};

enum Edge { kEdgeLeft, kEdgeTop, kEdgeBottom, kEdgeRight, kEdgeCount };

constexpr int kDefaultFontTwips = 220; // 11 points
constexpr double kDefaultColumnWidth = 8.43;

struct CellFormat {
    int fontTwips = kDefaultFontTwips; // font height in 1/20 point
    EdgeStyle edges[kEdgeCount];
    std::int16_t interiorColor = xlColorIndexNone;
    std::int16_t pattern = xlPatternNone;
    bool operator==(const CellFormat&) const = default;
};

struct CellFormatHash {
    std::size_t operator()(const CellFormat& f) const {
        std::size_t h = static_cast<std::size_t>(f.fontTwips);
        auto mix = [&h](int v) { h = h * 1000003 ^ static_cast<std::uint16_t>(v); };
        for (const EdgeStyle& e : f.edges) {
            mix(e.lineStyle);
            mix(e.weight);
            mix(e.colorIndex);
        }
        mix(f.interiorColor);
        mix(f.pattern);
        return h;
    }
};

} // namespace xl::detail
