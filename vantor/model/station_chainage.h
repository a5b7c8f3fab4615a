#pragma once
// A station's chainage in the precision the plan tables keep it.
#include "vantor/model/bus/profile_tables.h"
#include "vantor/model/table_columns.h"

namespace 縦断bus {

// The chainage [mm] of profile row `row`: its station [m] times 1000, rounded once to single
// precision (as sokutenkyori holds it).
inline float StationChainage(int row) { return static_cast<float>(double(tatedata(row, tate_col::kStation)) * 1000); }

} // namespace 縦断bus
