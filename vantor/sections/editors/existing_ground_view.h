#pragma once
// One station's existing ground in the CAD, for picking its points: everything within 30 m by
// 15 m of the origin erased, the station's existing-ground block inserted at the origin (the
// centre line at ground level), the view zoomed to that window and the block exploded into
// single lines.
namespace 縦断bus {

// The sends for station row s; run inside a drawing command. The block name must be typable.
void sounyuugenkyoublock(int s);

} // namespace 縦断bus
