#include "vantor/shoulder3d/shoulder/offset_lines.h"
#include "vantor/model/bus/station_tables.h"

namespace 縦断bus {

const OffsetLine& OffsetLineOf(int k) {
    static const std::array<OffsetLine, kOffsetLines> lines{{
        {4, true, l1hidarix, l1hidariy},
        {3, true, l2hidarix, l2hidariy},
        {2, true, l3hidarix, l3hidariy},
        {1, true, l4hidarix, l4hidariy},
        {6, false, l1migix, l1migiy},
        {7, false, l2migix, l2migiy},
        {8, false, l3migix, l3migiy},
        {9, false, l4migix, l4migiy},
    }};
    return lines.at(k);
}

} // namespace 縦断bus
