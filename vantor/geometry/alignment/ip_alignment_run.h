#pragma once
// One run of the alignment for the user: computes it, writes the results back to the IP sheet
// in metres (point p in row p + 5) and tells the user when the polygon was refused or an IP
// has to be checked. LegsAndAngles writes the leg lengths (F) and the intersection angles (G);
// WithCurvePointsAndTotal also the BC (H, I) and EC (K, L) points and the total length.
#include "platform/workbook/workbook.h"
#include "vantor/geometry/alignment/ip_alignment.h"

#include <memory>

namespace 縦断bus {

enum class IpSheetColumns { LegsAndAngles, WithCurvePointsAndTotal };

IpAlignmentResult::Status RunIpAlignment(IpSheetColumns columns);

// The result columns alone, into the given sheet.
void WriteIpSheet(const xl::Worksheet& sheet, const IpAlignmentResult& result, IpSheetColumns columns);

// The document's IP sheet; error 91 when no workbook is held.
std::shared_ptr<xl::Worksheet> IpSheet();

} // namespace 縦断bus
