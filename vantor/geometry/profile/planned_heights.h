#pragma once
// Whether the planned heights belong to the current profile input, for the commands that build
// on them (the cross slopes' shoulder heights, the 3D model). A profile computation that
// stopped or found fewer than two change points empties them, and an edit check that warned
// leaves the computation unrun, so heights of earlier input may stand beside the warning.
#include <string>

namespace 縦断bus {

// True when no warning of the profile stands (keikokuflg is 0) and every station row of
// tatedata has its planned height (column 5).
bool PlannedHeightsComputed();

// The first sentence of what to tell the user when they are not.
std::string PlannedHeightsMissing();

} // namespace 縦断bus
