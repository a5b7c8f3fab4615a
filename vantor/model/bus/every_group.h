#pragma once
// Every group of the computation unit's shared variables in one list, for what must reach each
// variable (the reset and its test). A new group header joins the list here.
#include "vantor/model/bus/alignment_tables.h"
#include "vantor/model/bus/coordinate_tables.h"
#include "vantor/model/bus/cross_slope_tables.h"
#include "vantor/model/bus/document_state.h"
#include "vantor/model/bus/drawing_tables.h"
#include "vantor/model/bus/earthwork_tables.h"
#include "vantor/model/bus/model3d_tables.h"
#include "vantor/model/bus/profile_graph_tables.h"
#include "vantor/model/bus/profile_tables.h"
#include "vantor/model/bus/section_tables.h"
#include "vantor/model/bus/station_tables.h"

// clang-format off
#define VANTOR_EVERY_BUS_VARIABLE(X) \
    VANTOR_DOCUMENT_STATE(X)         \
    VANTOR_PROFILE_TABLES(X)         \
    VANTOR_PROFILE_GRAPH_TABLES(X)   \
    VANTOR_STATION_TABLES(X)         \
    VANTOR_ALIGNMENT_TABLES(X)       \
    VANTOR_SECTION_TABLES(X)         \
    VANTOR_EARTHWORK_TABLES(X)       \
    VANTOR_DRAWING_TABLES(X)         \
    VANTOR_MODEL3D_TABLES(X)         \
    VANTOR_COORDINATE_TABLES(X)      \
    VANTOR_CROSS_SLOPE_TABLES(X)
// clang-format on
