#pragma once
// The computation unit: the program's shared tables and variables. Every screen and every
// computation exchanges its data through them. Each group of tables has a header of its own
// under bus/; a file includes the groups it uses, and this header only to reset them all.
#include "vantor/model/bus/document_state.h"
#include "vantor/model/bus/profile_tables.h"
#include "vantor/model/bus/profile_graph_tables.h"
#include "vantor/model/bus/station_tables.h"
#include "vantor/model/bus/alignment_tables.h"
#include "vantor/model/bus/section_tables.h"
#include "vantor/model/bus/earthwork_tables.h"
#include "vantor/model/bus/coordinate_tables.h"
#include "vantor/model/bus/model3d_tables.h"
#include "vantor/model/bus/drawing_tables.h"
#include "vantor/model/bus/cross_slope_tables.h"

namespace 縦断bus {

// Puts every table and variable back to its value at program start (before Main ran) and lets
// go of the document workbook.
void ResetState();
// The profile graph's state alone.
void ResetGurafu();

} // namespace 縦断bus
