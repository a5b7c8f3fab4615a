#include "vantor/shell/lifecycle/profile_rows.h"

#include "vantor/model/bus/profile_tables.h"
#include "vantor/model/sheets/profile_sheet.h"
#include "vantor/shell/lifecycle/main_window_states.h"

namespace 縦断bus {

namespace {
constexpr int kEmptyStations = 100;
} // namespace

void EmptyProfileRows() {
    sokutensuu = kEmptyStations;
    for (int row = 1; row <= kEmptyStations; ++row)
        for (int column = 1; column <= tatedata.UBound(2); ++column) tatedata(row, column) = kEmpty;
}

void ReadProfileRows() {
    if (yomikomitate()) EnableAfterProfileRead();
    if (sokutensuu == 0) EmptyProfileRows();
}

} // namespace 縦断bus
