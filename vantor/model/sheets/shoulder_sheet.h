#pragma once
// The shoulder sheet 路肩ｼｰﾄ and the shoulder offset table rokatadata: one reader and one
// writer.

namespace 縦断bus {

// Title, headers, box and shading.
void shoshikirokata();

// Reads the sheet's rows from row 5 on: each row's widths (columns A-D, F-I, an empty cell as
// 0) go to the station of the list whose station (tatedata column 1) is the row's station in
// column E, the nearest within 0.04 m; a station without a row gets no widths. Every station
// gets its station in column 5. Rows with a width whose station is not in the list, or that
// have none, are named to the user and not read. A text that begins with no number raises
// error 13 naming the sheet and the cell, with the table as it was.
void yomikomirokata();

// The same as a command of its own: a failure is told to the user. True
// when the sheet was read.
bool ReadShoulderSheet();

// Clears the sheet's values down to the last row the table holds, lays the sheet out again and
// writes one row per station: its widths (the empty marker as an empty cell) with the
// station of the list in column E, so that the reader pairs them again.
void tensourokata();

} // namespace 縦断bus
