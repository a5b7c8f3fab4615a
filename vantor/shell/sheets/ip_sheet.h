#pragma once
// The IP sheet ＩＰ座標入力 and the alignment points ipx, ipy, iphankei (millimetres; the
// sheet holds metres).

namespace 縦断bus {

// Title, headers, box and shading.
void shoshikiip();
// The points from the rows whose X or Y is filled: ipsuu := points - 2. Points all at (0, 0)
// without a radius, as a new document is saved, read as none (ipsuu := -2).
void yomikomiip();
// Clears the sheet and writes point number, X, Y and radius of points 0 .. ipsuu + 1: the IP
// half of the Save writer. False when no workbook is held (the user has been told).
bool WriteIpSheet();

} // namespace 縦断bus
