#pragma once
// The BIFF8 "Workbook" stream of a set of sheets.
#include <cstdint>
#include <vector>

#include "platform/workbook/sheet_content.h"

namespace xl::detail {

std::vector<std::uint8_t> BuildWorkbookStream(const std::vector<const SheetContent*>& sheets,
                                              int activeSheet);

} // namespace xl::detail
