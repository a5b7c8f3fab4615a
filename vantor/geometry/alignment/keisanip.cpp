#include "vantor/geometry/alignment/keisanip.h"

#include "vantor/geometry/alignment/ip_alignment_run.h"
#include "vantor/model/bus/alignment_tables.h"
#include "vantor/model/bus/document_state.h"

namespace 縦断bus {

void keisanip() {
    if (ipsuu + 2 < 1) { // the sheet held no point
        ipkeisanflg = 0;
        return;
    }
    // An alignment that stopped part-way has no chainages of this document: the grid must not
    // mark stations with the BC/EC chainages an earlier one left.
    const auto status = RunIpAlignment(IpSheetColumns::LegsAndAngles);
    ipkeisanflg = status == IpAlignmentResult::Status::Computed ? 1 : 0;
}

} // namespace 縦断bus
