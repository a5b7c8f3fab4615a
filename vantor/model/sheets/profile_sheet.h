#pragma once
// The profile sheet 縦断ｼｰﾄ and the profile table tatedata.
#include <functional>

namespace 縦断bus {

// Title, headers, column widths, box and shading.
void shoshikitate();
// Stations, ground heights, reference planned heights and curve lengths (columns A-D) into
// tatedata columns 1-4; sokutensuu := the last filled station row. Stations below the 500 rows
// the table holds are not read and the user is told so. A cell that cannot be read raises an
// error naming it and leaves the table as it was. Then OnProfileSheetRead.
void yomikomitate();
// Rewrites columns A-H of the rows the table holds from tatedata (remarks in column I and rows
// below stay). Then OnProfileSheetWritten.
void tensoutate();
// tensoutate without telling the main window: the profile half of the Save writer.
// False when no workbook is held (the user has been told).
bool WriteProfileSheet();

// Set by the main window: what it enables once the profile sheet has been read or written.
inline std::function<void()> OnProfileSheetRead;
inline std::function<void()> OnProfileSheetWritten;

} // namespace 縦断bus
