#include "vantor/drawing/plan/plan_geometry.h"

#include "vantor/drawing/channel/cad_channel.h"
#include "vantor/model/bus/alignment_tables.h"
#include "vantor/model/bus/profile_tables.h"

namespace 縦断bus {

bool TurnsLeftAt(int i) {
    const double turn = (double(ipx(i)) - ipx(i - 1)) * (double(ipy(i + 1)) - ipy(i)) -
                        (double(ipy(i)) - ipy(i - 1)) * (double(ipx(i + 1)) - ipx(i));
    return static_cast<float>(turn) > 0;
}

std::string LinePoint(float x, float y) { return cad_channel::Point(x, y) + " "; }

int CurveHolding(int from) {
    for (int j = 1; j <= ipsuu; ++j)
        if (static_cast<float>(bcsokuten(j) / 1000.0) <= tatedata(from, tate_col::kStation) &&
            static_cast<float>(ecsokuten(j) / 1000.0) >= tatedata(from + 1, tate_col::kStation))
            return j;
    return 0;
}

} // namespace 縦断bus
