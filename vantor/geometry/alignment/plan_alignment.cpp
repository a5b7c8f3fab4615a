#include "vantor/geometry/alignment/plan_alignment.h"

#include "vantor/geometry/alignment/ip_alignment_run.h"
#include "vantor/geometry/alignment/keisansokutenzahyou.h"
#include "vantor/geometry/alignment/tsuikasokuten.h"
#include "vantor/geometry/grid/hyoujitate.h"
#include "vantor/geometry/profile/keisantate.h"
#include "vantor/geometry/profile/警告表示画面.h"
#include "vantor/model/bus/alignment_tables.h"
#include "vantor/model/bus/profile_tables.h"
#include "vantor/model/station_chainage.h"

namespace 縦断bus {

PreparedStationList PrepareStationList(const StationListSettings& settings) {
    PreparedStationList prepared;
    if (!ComputePlanAlignment()) return prepared;
    const StationWidths taken = StationWidths::Take();
    if (!tsuikasokuten(settings.regularStations, settings.interval)) return prepared;
    prepared.rebuilt = true;
    prepared.widths = taken.CarryToCurrentList();
    prepared.profileComputed = keisantate() != ProfileOutcome::Stopped;
    hyoujitate();
    if (!prepared.profileComputed) TellProfileStopped();
    return prepared;
}

bool ComputePlanAlignment() {
    return RunIpAlignment(IpSheetColumns::WithCurvePointsAndTotal) == IpAlignmentResult::Status::Computed;
}

void PlaceStations(int count, bool onPlan) {
    for (int k = 1; k <= count; ++k) sokutenkyori(k) = StationChainage(k);
    if (onPlan)
        for (sokutenbangou = 1; sokutenbangou <= count; ++sokutenbangou) keisansokutenzahyou();
}

void PlaceAllStations() {
    hojokyori = 1.0f;
    heimensokutensuu = sokutensuu;
    PlaceStations(sokutensuu);
}

} // namespace 縦断bus
