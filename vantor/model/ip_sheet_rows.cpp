#include "vantor/model/ip_sheet_rows.h"

#include "platform/runtime/conversion.h"
#include "vantor/model/sheet_cells.h"
#include "vantor/model/sheet_names.h"

#include <algorithm>

namespace 縦断bus::ip_sheet_rows {

using namespace sheet_cells;

bool IsTotalLengthRow(const xl::Worksheet& sheet, int row) {
    return rt::Trim(Text(sheet, row, 2)).starts_with(rt::Trim(kTotalLengthLabel));
}

bool IsPointRow(const xl::Worksheet& sheet, int row) {
    return !(IsBlank(sheet, row, 2) && IsBlank(sheet, row, 3)) && !IsTotalLengthRow(sheet, row);
}

int TotalLengthRow(const xl::Worksheet& sheet, int ipCount) {
    int row = ipCount + 8;
    if (row <= kLastRow) return row;
    for (int r : RowsWithValuesBelow(sheet, kLastRow, 2, 3))
        if (IsPointRow(sheet, r)) row = std::max(row, r + 2);
    return row;
}

} // namespace 縦断bus::ip_sheet_rows
