#include "vantor/geometry/plan_alignment.h"

#include "vantor/geometry/ip_alignment_run.h"
#include "vantor/geometry/keisansokutenzahyou.h"
#include "vantor/shell/縦断bus.h"

namespace 縦断bus {

bool ComputePlanAlignment() {
    return RunIpAlignment(IpSheetColumns::WithCurvePointsAndTotal) == IpAlignmentResult::Status::Computed;
}

void PlaceAllStations() {
    hojokyori = 1.0f;
    heimensokutensuu = sokutensuu;
    const int count = sokutensuu;
    for (int k = 1; k <= count; ++k) sokutenkyori(k) = static_cast<float>(double(tatedata(k, 1)) * 1000);
    for (sokutenbangou = 1; sokutenbangou <= count; ++sokutenbangou) keisansokutenzahyou();
}

} // namespace 縦断bus
