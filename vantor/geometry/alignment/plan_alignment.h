#pragma once
// The plan command: the alignment with its sheet output, then the station list rebuilt over it
// (the shoulder offset widths carried with their stations), the profile over the new list and
// its grid, and the plan position of every station; each step runs only once the one before
// has succeeded. The cross slopes (keisanyokokoubai) are left to be computed for the new list.
#include "vantor/model/station_widths.h"

#include <functional>
#include <string>

namespace 縦断bus {

struct PlanCommandOptions {
    // Loads the cross-slope screen without showing it. When set, it runs after the grid is
    // refilled and the message on stations added by the computation follows; when empty,
    // neither happens.
    std::function<void()> loadCrossSlopeScreen;
    // Nothing runs unless an Open computed the alignment (ipkeisanflg 1).
    bool onlyAfterOpenedAlignment = false;
    // Where the shoulder widths carried to the rebuilt list are reported. When null, the
    // command itself tells the user of stations whose widths are gone.
    StationWidths::Outcome* carriedWidths = nullptr;
    // The drawing screen's regular stations: added to the list when wanted (its check box
    // checked), at the interval its box holds in metres.
    bool regularStations = false;
    std::string stationInterval = {};
};

// The whole command. False when it did not run or stopped after telling the user (the
// alignment or the station list refused, or an IP to check), with the station list, profile
// and positions left as they were; or when the profile over the rebuilt list stopped, shown
// on the warning screen.
bool RunPlanCommand(const PlanCommandOptions& options);

// The alignment with the drawing screen's sheet output; true when the later steps may run.
bool ComputePlanAlignment();

// Plan position and auxiliary points 1 mm either side of every station of the list;
// sokutenbangou is left at sokutensuu + 1.
void PlaceAllStations();

} // namespace 縦断bus
