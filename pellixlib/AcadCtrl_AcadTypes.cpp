#include "pellixlib/AcadCtrl_AcadTypes.h"

namespace pellix {

TAcadIndex AcadTypeToIndex(int type) {
    if (type >= atACLT95 && type <= atACLT2002) return static_cast<TAcadIndex>(type);
    if (type >= atACAD13 && type <= atACAD2002) return static_cast<TAcadIndex>(type - 3);
    return 0;
}

TAcadType IndexToAcadType(int index) {
    if (index >= 1 && index <= 6) return static_cast<TAcadType>(index);
    if (index >= 7 && index <= 11) return static_cast<TAcadType>(index + 3);
    return atNOACAD;
}

TDxfVersion ToDxfVersion(int version) {
    return version >= dvDXFR12 && version <= dvDXF2000 ? static_cast<TDxfVersion>(version) : dvDXFNA;
}

} // namespace pellix
