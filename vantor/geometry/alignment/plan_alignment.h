#pragma once
// The drawing screen's plan command: the alignment with its sheet output, then the station
// list, the profile over it and its grid, the cross-slope screen loaded, the message on added
// stations and the plan position of every station. The button's handler then copies the
// stations to the cross-slope table and recomputes the cross slopes (keisanyokokoubai),
// whose shoulder heights follow the new list.
#include <functional>

namespace 縦断bus {

// The whole command. `loadCrossSlopeScreen` loads the cross-slope screen without showing it.
// False when it stopped after telling the user (the alignment or the station list refused,
// or an IP to check), with the station list, profile and positions left as they were; or
// when the profile over the rebuilt list stopped, shown on the warning screen.
bool RunPlanCommand(const std::function<void()>& loadCrossSlopeScreen);

// The alignment with the drawing screen's sheet output; true when the later steps may run.
bool ComputePlanAlignment();

// Plan position and auxiliary points 1 mm either side of every station of the list;
// sokutenbangou is left at sokutensuu + 1.
void PlaceAllStations();

} // namespace 縦断bus
