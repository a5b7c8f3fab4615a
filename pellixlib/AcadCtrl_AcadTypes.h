#pragma once
// The control's product kinds as its callers see them (its output kinds are the engine's), and
// their conversion to and from the product index of the installation table.
#include "pellixlib/AcadUnit_Texts.h"
#include "pellixlib/AcadVInf_Products.h"

namespace pellix {

enum TAcadType : int {
    // clang-format off
    atNOACAD = 0, atACLT95 = 1, atACLT97 = 2, atACLT98 = 3, atACLT2000 = 4, atACLT2000i = 5, atACLT2002 = 6,
    atResv2 = 7, atResv3 = 8, atResv4 = 9,
    atACAD13 = 10, atACAD14 = 11, atACAD2000 = 12, atACAD2000i = 13, atACAD2002 = 14,
    // clang-format on
};

// 1-6 stay, 10-14 become 7-11; everything else (the reserved 7-9 too) is no product.
TAcadIndex AcadTypeToIndex(int type);
TAcadType IndexToAcadType(int index);
TDxfVersion ToDxfVersion(int version);

} // namespace pellix
