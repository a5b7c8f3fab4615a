#pragma once
// The coordinate sheet 座標値ｼｰﾄ: station plan coordinates and
// the reference points of the coordinate conversion in columns G-J.

namespace 縦断bus {

// Title, headers, column widths, box and shading.
void shoshikizahyou();
// zahyoudata and zahyousuu from the rows down to the first whose column G is blank, at most
// 20 points; more are reported as ignored. A blank cell (a drawing point not yet picked) reads
// as the empty marker. A cell that is not a number raises error 13 naming
// the sheet and the cell, and the points keep their previous values.
void ReadReferencePoints();
// ReadReferencePoints as a command of its own: a cell that is not a number is told to the user.
void yomikomizahyou();

} // namespace 縦断bus
