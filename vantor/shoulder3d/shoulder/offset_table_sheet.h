#pragma once
// The shoulder screen's 読込 and 転送: the offset table rokatadata of stations 1..sokutensuu
// and the document's sheet 路肩ｼｰﾄ, one station a row from row 5, table columns 1..9 in
// columns A..I.
namespace 縦断bus::offset_table_sheet {

// Reads the sheet into the table, an empty cell as 0. A cell that holds no number, a missing
// sheet or no workbook is told to the user and the table stays as it was. True when read.
bool Read();

// Writes the table into the sheet's station rows (the empty marker as an empty cell) after
// clearing the rows below the headers; the sheet's formatting stays. Failures are told to the
// user.
void Write();

} // namespace 縦断bus::offset_table_sheet
