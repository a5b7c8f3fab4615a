#include "vantor/drawing/profile_sheet/horizontal_curves.h"

#include "vantor/drawing/channel/cad_channel.h"
#include "vantor/drawing/profile_sheet/sheet_coordinates.h"
#include "vantor/drawing/profile_sheet/sheet_send.h"
#include "vantor/model/bus/alignment_tables.h"
#include "vantor/model/bus/drawing_tables.h"
#include "vantor/model/bus/profile_tables.h"

#include <cmath>

namespace 縦断bus::profile_sheet {

namespace {

using cad_channel::Point;

float LastStation() { return tatedata(sakuzusokutensuu, tate_col::kStation); }

float ToDecimetres(float millimetres) { return static_cast<float>(std::floor(millimetres / 100 + 0.5) * 100); }

} // namespace

bool CurveInside(int j) { return FirstStation() * 1000 <= bcsokuten(j) && bcsokuten(j) <= LastStation() * 1000; }

// Every alignment with at least one IP gets its band; the straight before the first curve
// and after the last one close it to the ends of the stations.
void SendCurveBand() {
    if (ipsuu < 1) return;
    const float g = obitakasa(10) * 5 - 3;
    const double y = BandMiddle(10);
    for (int j = 1; j <= ipsuu; ++j) {
        if (!CurveInside(j)) continue;
        const double e = sayuu(j) * g, b = Xmm(bcsokuten(j)), ec = Xmm(ecsokuten(j));
        SendPline({Point(b, y + e), Point(ec, y + e)});
        SendPline({Point(b, y + e), Point(b, y)});
        SendPline({Point(ec, y + e), Point(ec, y)});
    }
    for (int i = 1; i <= ipsuu - 1; ++i)
        if (CurveInside(i)) SendPline({Point(Xmm(ecsokuten(i)), y), Point(Xmm(bcsokuten(i + 1)), y)});
    if (FirstStation() * 1000 <= bcsokuten(1)) SendPline({Point(0.0, y), Point(Xmm(bcsokuten(1)), y)});
    if (LastStation() * 1000 >= bcsokuten(ipsuu))
        SendPline({Point(Xmm(ecsokuten(ipsuu)), y),
                   Point(static_cast<float>(LastStation() * 1000 - FirstStation() * 1000) / boxes.SH, y)});
}

std::string CurveDataText(int j) {
    const float angle = static_cast<float>(std::floor(koukaku(j) * 1000 + 0.5) / 1000);
    const float tangent = ToDecimetres(setsusenchou(j)), length = ToDecimetres(kyokusenchou(j)),
                radius = ToDecimetres(iphankei(j));
    return "I=" + rt::CStr(angle) + "  T.L= " + rt::CStr(tangent / 1000) + "m  C.L= " + rt::CStr(length / 1000) +
           "m  R= " + rt::CStr(radius / 1000) + " m";
}

} // namespace 縦断bus::profile_sheet
