#include "platform/workbook/sheet_units.h"

#include <cmath>

namespace xl::detail {

namespace {
constexpr double kDigitPixels = 7;
constexpr double kPaddingPixels = 5;
constexpr double kPadding = kPaddingPixels / kDigitPixels; // in characters
constexpr double kPixelsPerPoint = 96.0 / 72.0;
constexpr double kLineSpacing = 1.2;
} // namespace

unsigned ColumnWidthToFile(double characters) {
    if (characters <= 0) return 0;
    return static_cast<unsigned>(std::trunc((characters + kPadding) * 256));
}

double ColumnWidthFromFile(unsigned units) {
    double characters = units / 256.0 - kPadding;
    return characters <= 0 ? 0.0 : KeptColumnWidth(characters);
}

double KeptColumnWidth(double characters) { return std::round(characters * 100) / 100; }

int ColumnPixels(double characters) {
    return characters <= 0 ? 0 : static_cast<int>(std::lround(characters * kDigitPixels + kPaddingPixels));
}

int RowHeightForFont(int fontTwips) {
    double pixels = std::round(fontTwips / 20.0 * kPixelsPerPoint * kLineSpacing);
    return static_cast<int>(pixels) * kTwipsPerPixel;
}

std::map<int, int> RowHeightsByFont(const CellStore& cells) {
    std::map<int, int> largest;
    cells.ForEach([&](int row, int, const StoredCell& cell) {
        int twips = cells.FormatOf(cell.format).fontTwips;
        if (twips != kDefaultFontTwips) {
            auto [it, added] = largest.try_emplace(row, twips);
            if (!added) it->second = std::max(it->second, twips);
        }
    });
    for (auto& [row, twips] : largest) twips = RowHeightForFont(std::max(twips, kDefaultFontTwips));
    return largest;
}

std::map<int, int> RowHeights(const SheetContent& sheet) {
    std::map<int, int> heights = RowHeightsByFont(sheet.cells);
    for (auto& [row, twips] : sheet.rowHeights) heights[row] = twips;
    std::erase_if(heights, [](const auto& entry) { return entry.second == RowHeightForFont(kDefaultFontTwips); });
    return heights;
}

} // namespace xl::detail
