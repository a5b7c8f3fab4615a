#pragma once
// The plan command in two steps, which callers compose: the station list prepared (the
// alignment with its sheet output, the list rebuilt with the shoulder offset widths carried to
// their stations, the profile over it and its grid), then every station placed on the plan.
// Each step runs only once the one before has succeeded. The cross slopes (keisanyokokoubai)
// are left to be computed for the new list.
#include "vantor/model/drawing_settings.h"
#include "vantor/model/station_widths.h"

namespace 縦断bus {

struct PreparedStationList {
    // The alignment was computed and the list rebuilt; `widths` tells what became of the
    // shoulder offset widths. False when the alignment or the list was refused (told to the
    // user) or an IP is to be checked, with the list, the profile and the positions as they were.
    bool rebuilt = false;
    StationWidths::Outcome widths;
    // The profile over the rebuilt list was computed too, and the stations may be placed;
    // false when it stopped, shown on the warning screen.
    bool profileComputed = false;
};

// The first step, with the regular stations the drawing screen asks for.
PreparedStationList PrepareStationList(const StationListSettings& settings);

// The alignment with the drawing screen's sheet output; true when the later steps may run.
bool ComputePlanAlignment();

// The chainage of stations 1..count into sokutenkyori and, with `onPlan`, their plan positions
// on the computed alignment with the auxiliary points hojokyori either side; sokutenbangou is
// then left at count + 1.
void PlaceStations(int count, bool onPlan = true);

// Plan position and auxiliary points 1 mm either side of every station of the list;
// sokutenbangou is left at sokutensuu + 1.
void PlaceAllStations();

} // namespace 縦断bus
