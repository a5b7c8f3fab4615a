#pragma once
// What a sheet holds, apart from the objects that reach it: cells with values and formats,
// column widths. The file reader and writer work on these plain structures.
#include <map>
#include <string>
#include <vector>

#include "platform/workbook/cell_store.h"

namespace xl::detail {

struct SheetContent {
    std::string name;
    CellStore cells;
    std::map<int, double> columnWidths; // column (1-based) -> width in characters
};

struct BookContent {
    std::vector<SheetContent> sheets;
    int activeSheet = 0; // 0-based
};

} // namespace xl::detail
