#include "vantor/drawing/profile_sheet/band_graphics.h"

#include "vantor/drawing/channel/cad_channel.h"
#include "vantor/drawing/profile_sheet/horizontal_curves.h"
#include "vantor/drawing/profile_sheet/sheet_coordinates.h"
#include "vantor/drawing/profile_sheet/sheet_send.h"
#include "vantor/model/bus/cross_slope_tables.h"
#include "vantor/model/bus/drawing_tables.h"
#include "vantor/model/bus/profile_tables.h"

namespace 縦断bus::profile_sheet {

namespace {

using cad_channel::Point;

// Every band but the first gets a top and a bottom rule 0.5 mm inside its boundaries.
void SendRules(float left, float right) {
    for (int l = 1; l <= kBands; ++l) {
        const double b = BandBottom(l);
        if (l != 1) SendPline({Point(left, b + 0.5), Point(right, b + 0.5)});
        if (l != kBands) SendPline({Point(left, b - 0.5), Point(right, b - 0.5)});
    }
}

void SendEdges(float x1) {
    for (const float x : {x1 - 50, x1 - 25, x1 - 20})
        for (int l = 1; l <= kBands - 1; ++l)
            SendPline({Point(x, static_cast<double>(BandBottom(l)) - 0.5),
                       Point(x, static_cast<double>(BandBottom(l + 1)) + 0.5)});
}

void SendGapTicks() {
    for (int m = 1; m <= sakuzusokutensuu; ++m)
        for (int j = 2; j <= 11; ++j)
            SendPline({Point(zahyoutate(m, 1), static_cast<double>(BandBottom(j)) - 0.5),
                       Point(zahyoutate(m, 1), static_cast<double>(BandBottom(j)) + 0.5)});
}

// Between two 5-mm stubs that start at the edge of the change-point circles, a rising or
// level segment climbs from 2 mm below the band's middle to 2 mm above it.
void SendGradientSymbols() {
    const float r = obitakasazu(2) * 0.5f - 0.5f;
    const double y = BandMiddle(2);
    for (int l = 1; l <= henkatensuu - 1; ++l) {
        const double a = X(xb(l)), b = X(xb(l + 1));
        const double s = koubai(l) >= 0 ? 2 : -2;
        SendPline({Point(a + r, y), Point(a + r + 5, y), Point(a + r + 5, y - s), Point(b - r - 5, y + s),
                   Point(b - r - 5, y), Point(b - r, y)});
    }
}

// The middle line of band 11 and the reference slopes of each side, a positive slope above it.
void SendCrossSlopes() {
    const double y = BandMiddle(11);
    SendPline({Point(0 / boxes.SH, y), Point(X(tatedata(sakuzusokutensuu, tate_col::kStation)), y)});
    const float f = obitakasa(11) * 5 / 6;
    const auto side = [&](const auto& stations, const auto& slopes, int count) {
        for (int l = 1; l <= count - 1; ++l)
            SendPline({Point(X(stations(l)), y + slopes(l) * f), Point(X(stations(l + 1)), y + slopes(l + 1) * f)});
    };
    side(hidarikijunsokuten, hidarikijunkoubai, hidarikijunsuu);
    side(migikijunsokuten, migikijunkoubai, migikijunsuu);
}

// A circle needs a positive radius: with a band 2 of 1 mm or less the circles are left out.
void SendChangePointCircles() {
    const double radius = static_cast<double>(obitakasazu(2)) * 0.5 - 0.5;
    if (!(radius > 0)) return;
    for (int l = 1; l <= henkatensuu; ++l) {
        cad_channel::Send("CIRCLE");
        cad_channel::Send(Point(X(xb(l)), BandMiddle(2)) + " " + rt::CStr(radius));
    }
}

} // namespace

void SendBandGraphics() {
    for (int k = 1; k <= kBands; ++k) obitakasazu(k) = obitakasa(k) * 10;
    const float x1 = zahyoutate(1, 1);
    SendRules(x1 - 50, x1 - 25);
    SendRules(x1 - 20, zahyoutate(sakuzusokutensuu, 1) + 5);
    SendEdges(x1);
    SendGapTicks();
    SendGradientSymbols();
    SendCrossSlopes();
    SendCurveBand();
    SendChangePointCircles();
}

} // namespace 縦断bus::profile_sheet
