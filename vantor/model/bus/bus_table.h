#pragma once
// What every table header of the computation unit shares: the table type, the empty-cell mark,
// the tables' named columns and the declaration of a group's variables. Numeric tables are single
// precision and mark an empty cell with 99999; lengths of the profile are metres, of the plan
// millimetres.
#include "platform/runtime/table.h"
#include "vantor/model/table_columns.h"

namespace 縦断bus {

using rt::Table;

inline constexpr float kEmpty = 99999.0f; // an empty numeric cell

} // namespace 縦断bus

// Each group header lists its variables once, as X(name, type), in one macro: the header declares
// them with it, at their start value (0, false, empty; a table all 0 or empty), and the reset
// reaches every one of them through it (vantor/model/bus/every_group.h).
#define VANTOR_BUS_DECLARE(name, ...) inline __VA_ARGS__ name{};
