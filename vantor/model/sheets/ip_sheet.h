#pragma once
// The IP sheet ＩＰ座標入力 and the alignment points ipx, ipy, iphankei (millimetres; the
// sheet holds metres).

namespace 縦断bus {

// Title, headers, box and shading.
void shoshikiip();
// The points from rows 5-55 whose X or Y is filled: ipsuu := points - 2. Points all at (0, 0)
// without a radius, as a new document is saved, read as none (ipsuu := -2). Points below row
// 55 are not read and the user is told so; a cell that cannot be read raises an error naming it.
void yomikomiip();
// Clears rows 1-55 (and a total-length row below them) and writes point number, X, Y and
// radius of points 0 .. ipsuu + 1: the IP half of the Save writer. Points below row 55 stay. False when no workbook is held (the user has been told).
bool WriteIpSheet();
// Number, X, Y and radius of points 0 .. count - 1 in rows
// 5 .. count + 4, and the rows below them up to row 55 emptied, so that no point of a longer
// earlier list is read back. False when no workbook is held (the user has been told).
bool WriteIpPoints(int count);

} // namespace 縦断bus
