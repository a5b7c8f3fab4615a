#pragma once
// The excavation line of the current side: the planned line kirimorix/kirimoriy (0..m, m =
// kirimoritensuu, the slope end last), on along the ground beyond the slope end, widened at
// every vertical step of the planned line (a rise of more than 0.3 m, a drop of 0.3 m or
// more): 0.2 m past the foot of the step face it climbs at 1:0.3 (the influence line) until
// it meets the surface.

namespace 縦断bus {

// Builds kussakux/kussakuy, growing kirimoritensuu by the ground points appended. An
// influence line that meets nothing is reported and ends the building there.
void keisaneikyousen();

// The falling step at excavation-line point i, if any. False when its influence line meets
// nothing (reported).
bool keisaneikyousenkudari(int i);

// Where the ground stands at the foot (eikyoukitenx, eikyoukiteny): eikyouflg := 1 below it,
// 2 at or above it, 0 when the foot lies beyond the ground data (reported).
void kousaeikyousen();

} // namespace 縦断bus
