#pragma once
// A1-style addresses as the program writes them: "A1", "b4:d50", "A３:p105" (letters in either
// case, digits ASCII or full-width, "$" allowed). Anything else raises 1004.
#include <string>
#include <string_view>

#include "platform/workbook/workbook.h"

namespace xl::detail {

Area ParseAddress(std::string_view address);
// Raises 1004 unless the cell lies on the sheet.
void CheckCell(int row, int column);
// The A1-style name of a cell: (6, 2) is "B6".
std::string CellName(int row, int column);

} // namespace xl::detail
