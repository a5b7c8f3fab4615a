#pragma once
// The computation unit's earthwork working state: areas, slope line, influence lines.
#include "vantor/model/bus/bus_table.h"

#include <string>

namespace 縦断bus {

// clang-format off
#define VANTOR_EARTHWORK_TABLES(X)                                                                                 \
    /* ---- Earthwork areas of one section: working state of the area, slope-line and */                           \
    /* influence-line procedures. Sides: x is the offset outward from the centre line [m], y the */                \
    /* height relative to the existing ground at the centre line [m]. ---- */                                      \
    X(mensekiflg, int)     /* 1 integrate the areas, 0 lines only */                                               \
    X(dotsubobangou, int)  /* station of the last computation */                                                   \
    X(mensekisayuu, int)   /* side being integrated: 1 left, 2 right */                                            \
    X(kirimen, float) X(morimen, float) X(jouhoukirimen, float)  /* sums of the side just integrated */            \
    /* Working polylines of the current side. */                                                                   \
    X(genkyoux, Table<float, 50>) X(genkyouy, Table<float, 50>)    /* ground, points 0..genkyousaishuu */          \
    X(genkyousaishuu, int)                                                                                         \
    X(kirimorix, Table<float, 50>) X(kirimoriy, Table<float, 50>)  /* planned line, slope end at kirimoritensuu */ \
    X(kirimoritensuu, int)                                                                                         \
    X(kussakux, Table<float, 50>) X(kussakuy, Table<float, 50>)    /* excavation line */                           \
    /* Per side, kept from the geometry pass for the area pass and the plot of the same call. */                   \
    /* planned line incl. slope end */                                                                             \
    X(kirimorisenhidari, Table<float, 50, 20, 2>) X(kirimorisenmigi, Table<float, 50, 20, 2>)                      \
    X(kussakuhidarix, Table<float, 50>) X(kussakuhidariy, Table<float, 50>)                                        \
    X(kussakumigix, Table<float, 50>) X(kussakumigiy, Table<float, 50>)                                            \
    X(genkyousenhidarix, Table<float, 50>) X(genkyousenhidariy, Table<float, 50>)                                  \
    X(genkyousenmigix, Table<float, 50>) X(genkyousenmigiy, Table<float, 50>)                                      \
    X(genkyousenhidarisaishuu, int) X(genkyousenmigisaishuu, int)                                                  \
    /* ---- Slope line ---- */                                                                                     \
    X(norikitenx, float) X(norikiteny, float)  /* formation edge */                                                \
    X(kirinori, float) X(morinori, float)      /* cut and fill slope ratios (horizontal per vertical) */           \
    X(norishurui, std::string)                 /* "K" cut, "M" fill */                                             \
    X(norikoubai, float) X(noriseppen, float)  /* slope line y = norikoubai x + noriseppen */                      \
    X(norijirix, float)                        /* offset of the slope end */                                       \
    X(norikousaflg, int)                       /* 0 the slope meets the vertical face, 1 it does not */            \
    /* ---- Excavation influence lines ---- */                                                                     \
    X(eikyoukitenx, float) X(eikyoukiteny, float)  /* foot of the current influence line */                        \
    X(eikyoukoubai, float) X(eikyouseppen, float)                                                                  \
    X(eikyouflg, int)  /* 0 foot beyond the ground, 1 ground below the foot, 2 at or above */                      \
    /* Where the last rising-step influence line of the side being built met the excavation line */                \
    /* (0 when none), and that meeting offset kept per station and side (1 left, 2 right). */                      \
    X(eikyoukousax, float) X(eikyoukousay, float)                                                                  \
    X(sokuteneikyoukousax, Table<float, 50, 2>)
// clang-format on
VANTOR_EARTHWORK_TABLES(VANTOR_BUS_DECLARE)

} // namespace 縦断bus
