#pragma once
// The distance of every drawn station from the one before it (tatedata column 8), rounded
// to the decimals of the heights (ketasuu: 2, otherwise 3). Station 1 is measured from
// row 0 of the table.
namespace 縦断bus::profile_sheet {

void marumetakasa();

} // namespace 縦断bus::profile_sheet
