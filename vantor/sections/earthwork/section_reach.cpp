#include "vantor/sections/earthwork/section_reach.h"

#include "platform/runtime/conversion.h"
#include "vantor/model/bus/section_tables.h"
#include "vantor/sections/editors/section_point_tables.h"

#include <cmath>

namespace 縦断bus {

namespace {

// Also false for texts that read as infinite.
bool Within(const std::string& text, double reach) { return std::abs(rt::Val(text)) <= reach; }

bool SideWithinReach(const SectionPoints& side, int s, int count) {
    for (int p = 0; p < count; ++p)
        if (!Within(side(s, p, 1), kSectionReachOffset) || !Within(side(s, p, 2), kSectionReachHeight)) return false;
    return true;
}

} // namespace

bool SectionWithinReach(int s) {
    return SideWithinReach(genkyouhidari, s, genkyouhidarisuu(s)) &&
           SideWithinReach(genkyoumigi, s, genkyoumigisuu(s)) &&
           SideWithinReach(kirimorihidari, s, kirimorihidarisuu(s)) &&
           SideWithinReach(kirimorimigi, s, kirimorimigisuu(s));
}

int FirstStationBeyondReach(int last) {
    for (int s = 1; s <= last; ++s) {
        CountStation(ExistingGround(), s);
        CountStation(CutFillLine(), s);
        if (!SectionWithinReach(s)) return s;
    }
    return 0;
}

} // namespace 縦断bus
