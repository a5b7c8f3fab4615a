#pragma once
// What every table header of the computation unit shares: the table type, the empty-cell mark
// and the tables' named columns. Numeric tables are single precision and mark an empty cell with
// 99999; lengths of the profile are metres, of the plan millimetres.
#include "platform/runtime/table.h"
#include "vantor/model/table_columns.h"

namespace 縦断bus {

using rt::Table;

inline constexpr float kEmpty = 99999.0f;  // an empty numeric cell

} // namespace 縦断bus
