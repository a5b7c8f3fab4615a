#pragma once
// The coordinate sheet 座標値ｼｰﾄ: station plan coordinates in columns B-D and the reference
// points of the coordinate conversion in columns G-J.
#include "platform/workbook/workbook.h"

namespace 縦断bus {

// Title, headers, column widths, box and shading.
void shoshikizahyou();
// Station [m], plan X and plan Y [m] (sokutenx, sokuteny in millimetres) of every station of
// the list in columns B-D from row 5, as single-precision numbers, with the sheet selected; the
// rows of a longer list written earlier are cleared. The list may run past the box the layout
// draws (down to row 50) to row 52: row 53 on belongs to the coordinate conversion. A longer
// list is told to the user and the sheet stays as it was; false then.
bool WriteStationCoordinates(xl::Worksheet& sheet);
// zahyoudata and zahyousuu from the rows down to the first whose column G is blank, at most
// 20 points; more are reported as ignored. A blank cell (a drawing point not yet picked) reads
// as the empty marker. A cell that is not a number raises error 13 naming
// the sheet and the cell, and the points keep their previous values.
void ReadReferencePoints();
// ReadReferencePoints as a command of its own: a cell that is not a number is told to the user.
void yomikomizahyou();
// Empties columns G-J of the reference-point rows (the 20 the reader takes and any filled rows
// right below them, down to row 52), leaving the rest of the sheet and its formatting: a new
// document kept in the same workbook starts without the earlier document's points.
void ClearReferencePoints(const xl::Worksheet& sheet);

} // namespace 縦断bus
