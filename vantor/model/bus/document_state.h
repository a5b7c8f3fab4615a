#pragma once
// The computation unit's document state and program-wide settings and flags.
#include "vantor/model/bus/bus_table.h"

#include <string>

namespace 縦断bus {

// ---- State of the workbook document ----
inline int bukkujoutai = 0;     // 0 none, 1 created by New, 2 opened by Open
inline int xlshuuryouflg = 0;   // -1 once Open has opened a workbook
inline std::string fairumei;    // file name last chosen in the Open or Save dialog
inline int hirakuflg = 0;       // 1 after Open has started, 0 after New

// ---- Settings and flags ----
inline int ketasuu = 0;             // decimals of computed heights and distances (2 or 3)
inline std::string xhyouji, yhyouji; // profile-graph grid lines: "v" shown, "s" hidden
inline int koubaisetteiflg = 0;     // opening mode of the cross-slope screen
inline int ipkeisanflg = 0;         // 1 once Open computed the alignment

} // namespace 縦断bus
