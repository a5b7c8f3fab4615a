#include "vantor/geometry/alignment/plan_alignment.h"

#include "platform/forms/msgbox.h"
#include "vantor/geometry/alignment/ip_alignment_run.h"
#include "vantor/geometry/alignment/keisansokutenzahyou.h"
#include "vantor/geometry/alignment/tsuikasokuten.h"
#include "vantor/geometry/grid/hyoujitate.h"
#include "vantor/geometry/profile/keisantate.h"
#include "vantor/geometry/profile/警告表示画面.h"
#include "vantor/model/bus/alignment_tables.h"
#include "vantor/model/bus/document_state.h"
#include "vantor/model/bus/profile_tables.h"
#include "vantor/model/station_chainage.h"

namespace 縦断bus {

namespace {

constexpr char kAddedStationsMessage[] =
    "場合によっては、計算により追加される測点（BC,EC等）があります。そこの箇所には未入力と表示さ"
    "れるので、幅員を入力した後、作図ボタンを押してください。";

} // namespace

bool RunPlanCommand(const PlanCommandOptions& options) {
    if (options.onlyAfterOpenedAlignment && ipkeisanflg == 0) return false;
    if (!ComputePlanAlignment()) return false;
    const StationWidths taken = StationWidths::Take();
    if (!tsuikasokuten(options.regularStations, options.stationInterval)) return false;
    const StationWidths::Outcome carried = taken.CarryToCurrentList();
    if (options.carriedWidths) {
        *options.carriedWidths = carried;
    } else if (const std::string loss = StationWidths::LossNotice(carried); !loss.empty()) {
        forms::MsgBox(loss, forms::vbInformation);
    }
    const bool profileComputed = keisantate() != ProfileOutcome::Stopped;
    hyoujitate();
    if (!profileComputed) {
        TellProfileStopped();
        return false;
    }
    if (options.loadCrossSlopeScreen) {
        options.loadCrossSlopeScreen();
        forms::MsgBox(kAddedStationsMessage);
    }
    PlaceAllStations();
    return true;
}

bool ComputePlanAlignment() {
    return RunIpAlignment(IpSheetColumns::WithCurvePointsAndTotal) == IpAlignmentResult::Status::Computed;
}

void PlaceAllStations() {
    hojokyori = 1.0f;
    heimensokutensuu = sokutensuu;
    const int count = sokutensuu;
    for (int k = 1; k <= count; ++k) sokutenkyori(k) = StationChainage(k);
    for (sokutenbangou = 1; sokutenbangou <= count; ++sokutenbangou) keisansokutenzahyou();
}

} // namespace 縦断bus
