#pragma once
// Reads the sheets of a BIFF8 "Workbook" stream: values from shared strings, labels, numbers,
// RK and MULRK cells and the cached results of formulas, with fonts sizes, borders, fills and
// column widths. Faults raise 1004 naming the file and what is wrong.
#include <cstdint>
#include <span>
#include <string>

#include "platform/workbook/sheet_content.h"

namespace xl::detail {

BookContent ParseWorkbookStream(std::span<const std::uint8_t> stream, const std::string& fileName);

} // namespace xl::detail
