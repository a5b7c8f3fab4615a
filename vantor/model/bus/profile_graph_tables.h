#pragma once
// The computation unit's profile graph: the stations shown, its view and its grid.
#include "vantor/model/bus/bus_table.h"

namespace 縦断bus {

// clang-format off
#define VANTOR_PROFILE_GRAPH_TABLES(X)                                                                        \
    /* ---- Profile graph: station, ground and planned height of the stations shown, 1 .. gurafusuu ---- */   \
    X(gurafusokuten, Table<float, 500>) X(gurafujiban, Table<float, 500>) X(gurafukeikaku, Table<float, 500>) \
    X(gurafusuu, int)                                                                                         \
    X(gurafukeikakusen, bool)  /* the planned line was sampled for the graph */                               \
    X(gurafuxmin, float) X(gurafuxmax, float) X(gurafuymin, float) X(gurafuymax, float)  /* the view */       \
    X(zentaixmin, float) X(zentaixmax, float) X(zentaiymin, float) X(zentaiymax, float)  /* whole data */     \
    X(xmemori, float) X(ymemori, float)                                                  /* grid intervals */ \
    X(memorixmin, float) X(memorixmax, float) X(memoriymin, float) X(memoriymax, float)  /* grid and frame */
// clang-format on
VANTOR_PROFILE_GRAPH_TABLES(VANTOR_BUS_DECLARE)

} // namespace 縦断bus
