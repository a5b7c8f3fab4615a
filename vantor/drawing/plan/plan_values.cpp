#include "vantor/drawing/plan/plan_values.h"

namespace 縦断bus {

void ResetPlanValues() {
    mojidaka = 0;
    enkei = mojiichi = 0;
    for (auto* table : {&fukuinhidarix, &fukuinhidariy, &fukuinmigix, &fukuinmigiy}) table->Fill(0);
    mojix = mojiy = 0;
    wkmigikaku = 0;
}

} // namespace 縦断bus
