#pragma once
// Plan position of one station on the horizontal alignment: the station of row
// sokutenbangou at chainage sokutenkyori(sokutenbangou) gets its X, Y in sokutenx/sokuteny
// and two auxiliary points hojokyori before and after it in hojox/hojoy. A station on a
// curve records the curve's side in sayuu. The alignment must have been computed.

namespace 縦断bus {

void keisansokutenzahyou();

// True when every station of the profile has its plan position from an alignment computed in
// this run, computed at its current chainage: what the drawings and the transfer that pair
// stations with plan points need (a station list changed since, for example by a row inserted
// or a station edited, has none).
bool HasPlanPositions();

} // namespace 縦断bus
