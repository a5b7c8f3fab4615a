#pragma once
// The profile sheet 縦断ｼｰﾄ and the profile table tatedata.

namespace 縦断bus {

// Title, headers, column widths, box and shading.
void shoshikitate();
// Stations, ground heights, reference planned heights and curve lengths (columns A-D) into
// tatedata columns 1-4; sokutensuu := the last filled station row. Stations below the 500 rows
// the table holds are not read and the user is told so. A cell that cannot be read raises an
// error naming it and leaves the table as it was. True when the sheet was read; false when no
// workbook is held (the user has been told).
bool yomikomitate();
// Rewrites columns A-H of the rows the table holds from tatedata (remarks in column I and rows
// below stay). False when no workbook is held (the user has been told).
bool tensoutate();

} // namespace 縦断bus
