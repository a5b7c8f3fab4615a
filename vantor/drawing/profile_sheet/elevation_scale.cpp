#include "vantor/drawing/profile_sheet/elevation_scale.h"

#include "vantor/drawing/channel/cad_channel.h"
#include "vantor/drawing/channel/label_text.h"
#include "vantor/drawing/profile_sheet/sheet_send.h"
#include "vantor/drawing/profile_sheet/sheet_state.h"
#include "vantor/model/bus/drawing_tables.h"

#include <cmath>

namespace 縦断bus::profile_sheet {

namespace {

using cad_channel::Point;

// The scale's height in metres above the datum, and the first step k0 of its count: the
// count k runs k0..m and a long tick stands where k is a multiple of 5, which is where the
// height is one since k0 - 1 is the datum's remainder.
struct Steps {
    int first = 0, last = 0;
};

Steps ScaleSteps() {
    return {static_cast<int>(std::nearbyint(dlchi)) % 5 + 1, static_cast<int>(std::nearbyint(ScaleMetres()))};
}

float TickY(int step) { return static_cast<float>(step * 1000) / tateshaku; }

} // namespace

double ScaleMetres() { return std::floor(saidaidaka / 10 + 0.5) * 10 + 5 - dlchi; }

void sakuzuwaku() {
    const Steps steps = ScaleSteps();
    yokoshaku = static_cast<float>(boxes.SH);
    tateshaku = static_cast<float>(boxes.SV);
    const float x1 = zahyoutate(1, 1);
    int d = 0;
    for (int k = steps.first; k <= steps.last; ++k) {
        const float y = TickY(++d);
        SendLine(Point(k % 5 == 0 ? x1 - 40 : x1 - 12, y), Point(x1 - 11, y));
    }
    const double top = static_cast<double>(steps.last) * 1000 / tateshaku;
    for (const float x : {x1 - 11, x1 - 12}) SendLine(Point(x, -50 / tateshaku), Point(x, top));
}

void sakuzumemori() {
    const Steps steps = ScaleSteps();
    int f = 0;
    for (int k = steps.first; k <= steps.last; ++k) {
        ++f;
        if (k % 5 != 0) continue;
        SendText(Point(-44, TickY(f)), SizeText(suujisaizu), "0",
                 "    " + seikeisuuchi(rt::CStr(static_cast<float>(f + dlchi))));
    }
}

} // namespace 縦断bus::profile_sheet
