#include "vantor/geometry/grid/curve_point_marks.h"

#include "platform/runtime/number_text.h"
#include "vantor/model/bus/alignment_tables.h"
#include "vantor/model/bus/document_state.h"

namespace 縦断bus {

CurvePointMarks CurvePointMarks::OfAlignment() {
    CurvePointMarks marks;
    if (ipkeisanflg != 1) return marks;
    for (int k = 1; k <= ipsuu && k <= bcsokuten.UBound(); ++k) {
        const std::string number = rt::CStr(k);
        // An earlier IP's mark of the same text stays: emplace keeps the first.
        for (const auto& [label, chainage] : {std::pair{"B.C ", bcsokuten(k)}, std::pair{"E.C ", ecsokuten(k)}}) {
            const std::string station = rt::CStr(static_cast<float>(chainage / 1000.0));
            marks.marked_.emplace(station, label + number + " (" + station + ")");
        }
    }
    return marks;
}

std::string CurvePointMarks::Mark(const std::string& station) const {
    const auto found = marked_.find(station);
    return found == marked_.end() ? station : found->second;
}

} // namespace 縦断bus
