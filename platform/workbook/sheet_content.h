#pragma once
// What a sheet holds, apart from the objects that reach it: cells with values and formats,
// column widths and row heights. The file reader and writer work on these plain structures.
#include <map>
#include <string>
#include <vector>

#include "platform/workbook/cell_store.h"

namespace xl::detail {

struct SheetContent {
    std::string name;
    CellStore cells;
    std::map<int, double> columnWidths; // column (1-based) -> width in characters
    // Row (1-based) -> height in twips, for rows a file sets higher or lower than their fonts
    // make them; the other rows are as high as their fonts need (see sheet_units.h).
    std::map<int, int> rowHeights;
};

struct BookContent {
    std::vector<SheetContent> sheets;
    int activeSheet = 0; // 0-based
};

} // namespace xl::detail
