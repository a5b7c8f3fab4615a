#pragma once
// The shoulder sheet 路肩ｼｰﾄ and the shoulder offset table rokatadata.

namespace 縦断bus {

// Title, headers, box and shading.
void shoshikirokata();
// rokatadata columns 1-9 of stations 1 .. sokutensuu; an empty cell reads as 0. A text that
// begins with no number raises error 13 naming the sheet and the cell.
void yomikomirokata();
// Rewrites the rows the table holds from rokatadata; rows below stay.
void tensourokata();

} // namespace 縦断bus
