#include "vantor/geometry/keisanip.h"

#include "vantor/geometry/ip_alignment_run.h"
#include "vantor/shell/縦断bus.h"

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
