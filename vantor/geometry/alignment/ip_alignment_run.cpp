#include "vantor/geometry/alignment/ip_alignment_run.h"

#include "platform/forms/msgbox.h"
#include "platform/runtime/number_text.h"
#include "vantor/model/bus/alignment_tables.h"
#include "vantor/model/ip_sheet_rows.h"
#include "vantor/model/sheet_cells.h"
#include "vantor/model/sheet_names.h"

#include <cmath>

namespace 縦断bus {

namespace {

using sheet_cells::Put;

float Metres(float millimetres) { return static_cast<float>(millimetres / 1000.0); }

} // namespace

std::shared_ptr<xl::Worksheet> IpSheet() { return sheet_cells::SheetNamed(kIpSheet); }

void WriteIpSheet(const xl::Worksheet& sheet, const IpAlignmentResult& result, IpSheetColumns columns) {
    const int n = ipsuu;
    const bool full = columns == IpSheetColumns::WithCurvePointsAndTotal;
    for (int i = 1; i <= n + 1; ++i) Put(sheet, i + 5, 6, Metres(ipkyori(i)));
    for (int i = 1; i <= n; ++i) {
        // An IP on the straight through its neighbours has no angle to show.
        if (!result.unitCosine[i]) Put(sheet, i + 5, 7, koukaku(i));
        if (!full) continue;
        Put(sheet, i + 5, 8, Metres(bczahyou(i, point_col::kX)));
        Put(sheet, i + 5, 9, Metres(bczahyou(i, point_col::kY)));
        Put(sheet, i + 5, 11, Metres(eczahyou(i, point_col::kX)));
        Put(sheet, i + 5, 12, Metres(eczahyou(i, point_col::kY)));
    }
    if (full) {
        const int row = ip_sheet_rows::TotalLengthRow(sheet, n);
        Put(sheet, row, 2, std::string(kTotalLengthLabel));
        Put(sheet, row, 3, rt::CStr(std::floor(souenchou + 0.5) / 1000) + "m");
    }
}

IpAlignmentResult::Status RunIpAlignment(IpSheetColumns columns) {
    // The sheet first: without it the tables are left as they were.
    const std::shared_ptr<xl::Worksheet> sheet = IpSheet();
    const IpAlignmentResult result = ComputeIpAlignment();
    if (result.status != IpAlignmentResult::Status::Refused) WriteIpSheet(*sheet, result, columns);
    if (result.status != IpAlignmentResult::Status::Computed) forms::MsgBox(result.message);
    return result.status;
}

} // namespace 縦断bus
