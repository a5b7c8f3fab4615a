#include "vantor/geometry/grid/kazoetate.h"

#include "vantor/model/bus/document_state.h"
#include "vantor/model/bus/profile_tables.h"

#include <algorithm>

namespace 縦断bus {

void kazoetate() {
    if (hirakuflg != 0) return;
    // Only the document's own rows are scanned: rows past the count may hold an earlier
    // document's stations, and the table ends at row 500.
    const int last = std::min(sokutensuu, tatedata.UBound(1));
    int filled = 0;
    while (filled < last && tatedata(filled + 1, tate_col::kStation) != kEmpty) ++filled;
    sokutensuu = filled;
}

} // namespace 縦断bus
