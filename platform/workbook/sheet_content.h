#pragma once
// What a sheet holds, apart from the objects that reach it: cells with values and formats,
// column widths. The file reader and writer work on these plain structures.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/workbook/cell_value.h"
#include "platform/workbook/constants.h"

namespace xl::detail {

// One border line of a cell, in the automation's own values (16 bits hold them all; cells
// are many, so they are kept small).
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

struct Cell {
    CellValue value;
    CellFormat format;
};

// Cells are keyed row-major so that iteration runs row by row, column by column.
using CellKey = std::uint32_t;
inline CellKey KeyOf(int row, int column) {
    return static_cast<CellKey>(row - 1) * kMaxColumns + static_cast<CellKey>(column - 1);
}
inline int RowOf(CellKey key) { return static_cast<int>(key / kMaxColumns) + 1; }
inline int ColumnOf(CellKey key) { return static_cast<int>(key % kMaxColumns) + 1; }

struct SheetContent {
    std::string name;
    std::map<CellKey, Cell> cells;
    std::map<int, double> columnWidths; // column (1-based) -> width in characters
};

struct BookContent {
    std::vector<SheetContent> sheets;
    int activeSheet = 0; // 0-based
};

} // namespace xl::detail
