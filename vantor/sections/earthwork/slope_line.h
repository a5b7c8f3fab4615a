#pragma once
// The side slope of the current side: from the formation edge (norikitenx, norikiteny) down
// at 1:morinori when the ground lies below the edge (fill, "M"), up at 1:kirinori otherwise
// (cut, "K"), to where it meets the ground polyline genkyoux/genkyouy (0..genkyousaishuu).

namespace 縦断bus {

// Sets norishurui, norikoubai, noriseppen and norijirix. When the edge lies beyond the ground
// data, the last ground segment is extended to decide the kind and find the slope end, and
// the ground polyline gains that end as its last point.
void keisannorijiri();

// The slope against the vertical ground face between ground points j and j + 1: norikousaflg
// := 0 with norijirix := the face's offset when the slope meets it, else 1.
void kakuninnorisen(int j);

} // namespace 縦断bus
