#pragma once
// The computation unit's horizontal alignment and the plan positions of the stations.
#include "vantor/model/bus/bus_table.h"

#include <string>

namespace 縦断bus {

// clang-format off
#define VANTOR_ALIGNMENT_TABLES(X)                                                                                   \
    /* ---- Horizontal alignment: points 0 (start), 1..ipsuu (IPs), ipsuu+1 (end), millimetres ---- */               \
    X(ipsuu, int)                                                                                                    \
    X(ipx, Table<float, 50>) X(ipy, Table<float, 50>) X(iphankei, Table<float, 50>) X(ipkyori, Table<float, 50>)     \
    X(koukaku, Table<float, 50>) X(setsusenchou, Table<float, 50>) X(kyokusenchou, Table<float, 50>)                 \
    X(bczahyou, Table<float, 50, 3>) X(eczahyou, Table<float, 50, 3>)  /* column 1 X, 2 Y */                         \
    X(chuushinx, Table<float, 50>) X(chuushiny, Table<float, 50>) X(katamuki, Table<float, 50>)                      \
    X(kukanchou, Table<float, 50, 2>)  /* 1 straight before BC, 2 curve length */                                    \
    X(saishochokusen, float)                                                                                         \
    X(iptsuikakyori, Table<float, 50>) X(bcsokuten, Table<float, 50>) X(ecsokuten, Table<float, 50>)                 \
    X(sayuu, Table<float, 50>)                                                                                       \
    X(chokusengoukei, float) X(kyokusengoukei, float) X(souenchou, float)                                            \
    X(wkcos, float) X(wkbckatamuki, float) X(wkeckatamuki, float) X(wkbcseppen, float) X(wkecseppen, float)          \
    X(wkkyori, float)                                                                                                \
    /* ---- Station plan positions (millimetres) ---- */                                                             \
    X(sokutenbangou, int)  /* station whose position is computed next */                                             \
    X(sokutenkyori, Table<float, 500>) X(sokutenx, Table<float, 500>) X(sokuteny, Table<float, 500>)                 \
    X(heimensokutensuu, int)                                                                                         \
    X(hojokyori, float)                                                                                              \
    X(hojox, Table<float, 500, 2>) X(hojoy, Table<float, 500, 2>)  /* 1 at chainage - hojokyori, 2 at + hojokyori */ \
    X(sayuumoji, std::string)  /* "hidari" or "migi" */                                                              \
    /* Working values of the last station placed. The plan drawing, the shoulder lines and the 3D */                 \
    /* model run the same direction rules on what the last placement left in them. */                                \
    X(wkipbangou, int)                    /* element holding the station */                                          \
    X(wkyousokyori, float)                /* distance into the element (straight or curve) */                        \
    X(wkhojoyousokyori, Table<float, 2>)  /* the same for auxiliary points 1 and 2 */                                \
    X(wkhenkaku, float)                   /* deflection angle l / 2R */                                              \
    X(wkhojohenkaku, Table<float, 2>)                                                                                \
    X(wkgenchou, float)                   /* chord from the BC */                                                    \
    X(wkhojogenchou, Table<float, 2>)                                                                                \
    X(wkhoukoukaku, float)                /* angle of the incoming leg with the X axis */                            \
    X(wkhidarikaku, float)                /* direction of the chord from the BC */                                   \
    X(wkhojohoukou, Table<float, 2>)                                                                                 \
    X(wkshougen, int)                     /* direction state 1..8 of the incoming leg */
// clang-format on
VANTOR_ALIGNMENT_TABLES(VANTOR_BUS_DECLARE)

} // namespace 縦断bus
