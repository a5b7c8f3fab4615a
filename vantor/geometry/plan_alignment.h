#pragma once
// The computing parts of the drawing screen's plan command, which runs them around the
// station list, the profile and its screens:
//   if (!ComputePlanAlignment()) return;  // refused or an IP to check: the user was told
//   if (!tsuikasokuten()) return;         // refused: the user was told
//   keisantate(); hyoujitate(); load the cross-slope screen; the message on added stations;
//   PlaceAllStations();
// after which the button's handler copies the stations to the cross-slope table and
// recomputes the cross slopes (keisanyokokoubai), whose shoulder heights follow the new list.
namespace 縦断bus {

// The alignment with the drawing screen's sheet output; true when the later steps may run.
bool ComputePlanAlignment();

// Plan position and auxiliary points 1 mm either side of every station of the list;
// sokutenbangou is left at sokutensuu + 1.
void PlaceAllStations();

} // namespace 縦断bus
