#pragma once
// The BIFF8 "Workbook" stream of a set of sheets.
#include <cstdint>
#include <vector>

#include "platform/workbook/compound_file.h"
#include "platform/workbook/sheet_content.h"

namespace xl::detail {

// Hands the stream to `write` in pieces of some dozens of kilobytes; returns its size.
std::size_t WriteWorkbookStream(const std::vector<const SheetContent*>& sheets, int activeSheet, const ByteSink& write);

} // namespace xl::detail
