#pragma once
// The one-curve plan of the plan drawing's tests (start 0,0; IP 100,0 with a 50 m curve
// turning left through a right angle: BC 50,0, EC 100,50 at 128.54 m, centre 50,50; end
// 100,100) with its stations at 0, 40, 80, 120 and 160 m, and the offset points cleared.
#include "../../drawing/plan/plan_fixture.h"
#include "vantor/model/bus/profile_tables.h"
#include "vantor/model/bus/station_tables.h"
#include "vantor/shoulder3d/shoulder/offset_lines.h"

namespace shoulder_test {

class ShoulderTest : public plan_test::PlanTest {
protected:
    // Every station gets `width` [m] on line k (0..3 L1..L4 left, 4..7 L1..L4 right).
    static void SetWidth(int k, float width) {
        for (int i = 1; i <= 縦断bus::sokutensuu; ++i)
            縦断bus::rokatadata(i, 縦断bus::OffsetLineOf(k).widthColumn) = width;
    }
};

} // namespace shoulder_test
