#pragma once
// Rows of the IP sheet ＩＰ座標入力 that its reader, its writers and the alignment share: the
// points the table holds in rows 5 .. 55, and the total-length row the alignment writes below
// the points. Rows of points past row 55 are never read, and nothing may be written over them.
#include "platform/workbook/workbook.h"
#include "vantor/model/bus/alignment_tables.h"

namespace 縦断bus::ip_sheet_rows {

inline constexpr int kFirstRow = 5;
inline constexpr int kLastRow = kFirstRow + decltype(ipx)::UBound(1);

// The label of the total length in column B.
bool IsTotalLengthRow(const xl::Worksheet& sheet, int row);
// A point: X or Y given, and not the total-length row.
bool IsPointRow(const xl::Worksheet& sheet, int row);
// The row for the total length below the points 0 .. ipsuu + 1: two rows under the last of
// them, or, when that falls past row 55, two rows under the last point that was not read.
int TotalLengthRow(const xl::Worksheet& sheet, int ipCount);

} // namespace 縦断bus::ip_sheet_rows
