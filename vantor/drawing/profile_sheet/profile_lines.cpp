#include "vantor/drawing/profile_sheet/profile_lines.h"

#include "vantor/drawing/channel/cad_channel.h"
#include "vantor/drawing/profile_sheet/elevation_scale.h"
#include "vantor/drawing/profile_sheet/ichitaitoru.h"
#include "vantor/drawing/profile_sheet/sheet_coordinates.h"
#include "vantor/drawing/profile_sheet/sheet_send.h"
#include "vantor/model/bus/drawing_tables.h"
#include "vantor/model/bus/profile_tables.h"

#include <string>
#include <vector>

namespace 縦断bus::profile_sheet {

namespace {

using cad_channel::Point;

bool HasGround(int i) { return tatedata(i, tate_col::kGround) != kEmpty; }

// A station without a ground height is left out of the ground line, and its tick ends at
// the planned line.
void SendGroundAndTicks(int n) {
    std::vector<std::string> ground;
    for (int i = 1; i <= n; ++i)
        if (HasGround(i)) ground.push_back(Point(zahyoutate(i, 1), zahyoutate(i, 2)));
    if (ground.size() >= 2) SendPline(ground);
    for (int i = 1; i <= n; ++i)
        SendPline({Point(zahyoutate(i, 1), -45), Point(zahyoutate(i, 1), zahyoutate(i, HasGround(i) ? 2 : 5))});
}

void SendPlannedLines() {
    const int last = static_cast<int>(keikakusensuu);
    for (int k = 0; k <= hosousuu; ++k) {
        std::vector<std::string> points;
        points.reserve(last + 1);
        for (int j = 0; j <= last; ++j) points.push_back(Point(X(keikakusenx(j)), Y(keikakuseny(j) - hosoufukasa(k))));
        SendPline(points);
    }
}

void SendCurveMarks() {
    for (int j = 1; j <= kyokusensuu; ++j) {
        vcsaitei(j) = vcby(j) > vcey(j) ? vcey(j) : vcby(j);
        SendPline({Point(vcbx(j), vcby(j)), Point(vcbx(j), vcsaitei(j) - 30)});
    }
    for (int j = 1; j <= kyokusensuu; ++j) SendPline({Point(vcex(j), vcey(j)), Point(vcex(j), vcsaitei(j) - 30)});
    for (int j = 1; j <= kyokusensuu; ++j)
        SendPline({Point(vcbx(j), vcsaitei(j) - 28), Point(vcex(j), vcsaitei(j) - 28)});
}

void SendTitleUnderlines() {
    const double xc = TitleCentre(), h = TitleHalfWidth();
    const double left = xc - h - 45, right = h + xc + taitorusaizu * 1.5;
    for (const int above : {70, 72})
        SendPline({Point(left, taitorutakasa + above), Point(right, taitorutakasa + above)});
}

} // namespace

void SendProfileLines() {
    const int n = sakuzusokutensuu;
    const float x1 = zahyoutate(1, 1), xn = zahyoutate(n, 1);
    SendGroundAndTicks(n);
    SendPline({Point(x1 - 50, 0), Point(xn + 5, 0)});
    sakuzuwaku();
    SendPline({rt::CStr(x1) + ",-45", rt::CStr(xn) + ",-45"});
    SendPline({"-50,-45", "-20,-45", "-50,-15", "-50,-45"});
    SendPlannedLines();
    SendCurveMarks();
    ichitaitoru();
    SendTitleUnderlines();
}

} // namespace 縦断bus::profile_sheet
