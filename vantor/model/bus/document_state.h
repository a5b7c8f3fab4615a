#pragma once
// The computation unit's document state and program-wide settings and flags.
#include "vantor/model/bus/bus_table.h"

#include <string>

namespace 縦断bus {

// clang-format off
#define VANTOR_DOCUMENT_STATE(X)                                                       \
    /* ---- State of the workbook document ---- */                                     \
    X(bukkujoutai, int)      /* 0 none, 1 created by New, 2 opened by Open */          \
    X(xlshuuryouflg, int)    /* -1 once Open has opened a workbook */                  \
    X(fairumei, std::string) /* file name last chosen in the Open or Save dialog */    \
    X(hirakuflg, int)        /* 1 after Open has started, 0 after New */               \
    /* ---- Settings and flags ---- */                                                 \
    X(ketasuu, int)          /* decimals of computed heights and distances (2 or 3) */ \
    X(xhyouji, std::string)  /* profile-graph grid lines: "v" shown, "s" hidden */     \
    X(yhyouji, std::string)                                                            \
    X(koubaisetteiflg, int)  /* opening mode of the cross-slope screen */              \
    X(ipkeisanflg, int)      /* 1 once Open computed the alignment */
// clang-format on
VANTOR_DOCUMENT_STATE(VANTOR_BUS_DECLARE)

} // namespace 縦断bus
