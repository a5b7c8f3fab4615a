#include "vantor/geometry/alignment/keisanip.h"

#include "vantor/geometry/alignment/ip_alignment_run.h"
#include "vantor/model/縦断bus.h"

namespace 縦断bus {

void keisanip() {
    if (ipsuu + 2 < 1) { // the sheet held no point
        ipkeisanflg = 0;
        return;
    }
    const auto status = RunIpAlignment(IpSheetColumns::LegsAndAngles);
    ipkeisanflg = status == IpAlignmentResult::Status::Refused ? 0 : 1;
}

} // namespace 縦断bus
