#include "vantor/sections/editors/section_point_tables.h"

#include "vantor/model/bus/section_tables.h"
#include "vantor/model/sheet_names.h"

namespace 縦断bus {

SectionPointSet ExistingGround() {
    return {genkyouhidari, genkyoumigi, genkyouhidarisuu, genkyoumigisuu, kExistingGroundSheet};
}

SectionPointSet CutFillLine() {
    return {kirimorihidari, kirimorimigi, kirimorihidarisuu, kirimorimigisuu, kCutFillSheet};
}

int CountPoints(const SectionPoints& side, int s) {
    int n = 0;
    while (n < kSectionPoints && !side(s, n, 1).empty()) ++n;
    return n;
}

void CountStation(const SectionPointSet& set, int s) {
    if (s < 0 || s > kSectionStations) return;
    set.leftCount(s) = CountPoints(set.left, s);
    set.rightCount(s) = CountPoints(set.right, s);
}

void keisantensuu() { CountStation(ExistingGround(), danmenbangou); }
void keisantensuukirimori() { CountStation(CutFillLine(), danmenbangou); }

} // namespace 縦断bus
