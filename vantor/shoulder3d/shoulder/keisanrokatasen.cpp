#include "vantor/shoulder3d/shoulder/keisanrokatasen.h"

#include "vantor/drawing/plan/station_direction.h"
#include "vantor/model/bus/alignment_tables.h"
#include "vantor/shoulder3d/shoulder/offset_lines.h"

namespace 縦断bus {

void keisanrokatasen() {
    const int n = heimensokutensuu;
    for (int station = 1; station <= n; ++station) {
        const Normals normals = SetStationDirection(station);
        for (int k = 0; k < kOffsetLines; ++k) {
            const OffsetLine& line = OffsetLineOf(k);
            const double distance = OffsetWidth(line, station) * 1000.0f;
            PointToward(sokutenx(station), sokuteny(station), distance, line.left ? normals.left : normals.right,
                        line.x(station), line.y(station));
        }
    }
}

} // namespace 縦断bus
