#include "vantor/geometry/gyousakujo.h"

#include "vantor/geometry/gyouidou.h"
#include "vantor/shell/縦断bus.h"

namespace 縦断bus {

std::string sakujokyohi(int gyou) {
    if (gyou < 1 || gyou > sokutensuu) return kSakujoGyouNashi;
    if (sokutensuu == 1) return kSakujoSaigo;
    return {};
}

std::string sakujogomoji(int gyou, int retsu) {
    // Row 500 has no row below it: what moves up is an empty row.
    if (gyou + 1 > tatedata.UBound(1)) return {};
    const float v = tatedata(gyou + 1, retsu + 1);
    return v == kEmpty ? std::string() : rt::CStr(v);
}

void sakujogyou(int gyou) {
    sokutensuu -= 1;
    gyouwoageru(gyou, sokutensuu);
    gyouwokesu(sokutensuu + 1, "");
}

} // namespace 縦断bus
