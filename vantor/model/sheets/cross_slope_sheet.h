#pragma once
// The cross-slope sheet 横断ｼｰﾄ: numbers of yokodata in columns A-J, texts of yokosakuzudata
// in columns K-P, one row per station.

namespace 縦断bus {

// Title, two header rows, box and shading.
void shoshikiyoko();
// yokodata columns 1-10 of stations 1 .. sokutensuu; an empty cell is 99999. A cell that is
// not a number raises error 13 naming the sheet and the cell, and the table keeps its
// previous contents: how Open reads the sheet. Filled rows below the stations' rows are not
// read and the user is told so.
void ReadCrossSlopeNumbers();
// ReadCrossSlopeNumbers as a command of its own: a cell that is not a number is told to the user.
void yomikomiyoko();
// yokosakuzudata columns 1-6 of the stations the text table holds, as the cells' texts.
void yomikomiyokomei();
// Rewrites the stations' rows (and any read before) from yokodata and yokosakuzudata; rows
// below them stay.
void tensouyoko();
// Copies station and planned height of the profile into yokodata columns 5 and 6.
void utsushiyoko();

} // namespace 縦断bus
