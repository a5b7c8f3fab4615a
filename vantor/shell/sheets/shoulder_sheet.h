#pragma once
// The shoulder sheet 路肩ｼｰﾄ and the shoulder offset table rokatadata.

namespace 縦断bus {

// Title, headers, box and shading.
void shoshikirokata();
// rokatadata columns 1-9 of stations 1 .. sokutensuu; an empty cell reads as 0.
void yomikomirokata();
// Rewrites the sheet from rokatadata.
void tensourokata();

} // namespace 縦断bus
