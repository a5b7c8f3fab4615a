#include "vantor/drawing/profile_sheet/sheet_texts.h"

#include "vantor/drawing/channel/cad_channel.h"
#include "vantor/drawing/channel/label_text.h"
#include "vantor/drawing/profile_sheet/elevation_scale.h"
#include "vantor/drawing/profile_sheet/horizontal_curves.h"
#include "vantor/drawing/profile_sheet/ichitaitoru.h"
#include "vantor/drawing/profile_sheet/marumetakasa.h"
#include "vantor/drawing/profile_sheet/sheet_coordinates.h"
#include "vantor/drawing/profile_sheet/sheet_send.h"
#include "vantor/model/bus/alignment_tables.h"
#include "vantor/model/bus/drawing_tables.h"
#include "vantor/model/bus/profile_tables.h"

#include <cmath>
#include <cstdlib>

namespace 縦断bus::profile_sheet {

namespace {

using cad_channel::Point;

std::string Number() { return SizeText(suujisaizu); }

// One character per row, 7 mm apart, each centred on the band's middle.
void SendBandTitles() {
    for (int l = 1; l <= 11; ++l)
        for (int j = 1; j <= 3; ++j) {
            const std::string& title = obimoji(l, j);
            SendText(Point(zahyoutate(1, 1) - 48 + 7 * j, BandMiddle(l + 1) - CharCount(title) * mojisaizu / 2.0),
                     SizeText(mojisaizu), "90", title);
        }
}

// A label of tatemoji column `column` at station m, reading upwards and centred on the band's
// middle with a character width of 0.78 of the height.
void SendLabel(int m, int band, int column) {
    const std::string& label = tatemoji(m, column);
    SendText(Point(zahyoutate(m, 1), BandMiddle(band) - suujisaizu * 0.78 * CharCount(label) / 2), Number(), "90",
             label);
}

// A station whose ground height was never entered has no ground label and no cut or fill,
// as the ground line leaves it out; its planned height is labelled.
bool HasGround(int m) {
    return tatedata(m, tate_col::kGround) != kEmpty && tatedata(m, tate_col::kPlannedMinusGround) != kEmpty;
}

void SendStationLabels() {
    const int n = sakuzusokutensuu;
    for (int m = 1; m <= n; ++m) SendLabel(m, 9, tatemoji_col::kStation);
    for (int m = 2; m <= n; ++m) SendLabel(m, 8, tatemoji_col::kDistanceFromPrevious);
    for (int m = 1; m <= n; ++m)
        if (HasGround(m)) SendLabel(m, 7, tatemoji_col::kGround);
    for (int m = 1; m <= n; ++m) SendLabel(m, 5, tatemoji_col::kPlannedHeight);
    for (int m = 1; m <= n; ++m)
        if (HasGround(m))
            SendLabel(m, tatedata(m, tate_col::kPlannedMinusGround) > 0 ? 3 : 4, tatemoji_col::kCutOrFill);
}

// Horizontal, centred on the curve's middle chainage with a character width of 0.6 of the height.
void SendCurveData() {
    for (int j = 1; j <= ipsuu; ++j) {
        if (!CurveInside(j)) continue;
        const std::string content = CurveDataText(j);
        const double middle = (bcsokuten(j) + ecsokuten(j)) * 0.5;
        SendText(
            Point((middle - FirstStation() * 1000) / boxes.SH - CharCount(content) * suujisaizu * 0.3, BandMiddle(10)),
            Number(), "0", content);
    }
}

std::string SignSpace(float value) { return (value < 0 ? "" : " ") + rt::CStr(value); }

void SendChangePointTexts() {
    for (int l = 1; l <= henkatensuu; ++l)
        SendText(Point(X(xb(l)), BandMiddle(2) - 2 * suujisaizu), Number(), "90", " " + SignSpace(yb(l)));
    for (int l = 1; l <= henkatensuu - 1; ++l) {
        const float between = (std::fabs(xb(l)) + std::fabs(xb(l + 1))) * 500;
        const double percent = std::floor(koubai(l) * 1000000.0 + 0.5) / 10000;
        SendText(Point((between - FirstStation() * 1000) / boxes.SH - 2 * suujisaizu, BandMiddle(2) + 2), Number(), "0",
                 rt::CStr(percent) + "%");
    }
}

void SendScales() {
    SendText("-45,-50", Number(), "0", "S=1:" + boxes.SHText);
    SendText("-55,-40", Number(), "90", "S=1:" + boxes.SVText);
    SendText("-50,2", Number(), "0", "D.L = " + seikeisuuchi(dlchi));
}

void SendTitle() {
    ichitaitoru();
    SendText(taitoruichi, SizeText(taitorusaizu), "0", taitoru);
}

// 28 mm below the lower end of the curve, starting 2 heights left of its middle.
void SendCurveLengths() {
    for (int k = 1; k <= kyokusensuu; ++k)
        SendText(Point((vcbx(k) + vcex(k)) * 0.5 - 2 * suujisaizu, vcsaitei(k) - 28), Number(), "0",
                 "VC.L = " + seikeisuuchi(lv(k)) + " m");
}

} // namespace

void SendSheetTexts() {
    OpenText();
    SendBandTitles();
    marumetakasa();
    seikeitate();
    SendStationLabels();
    SendCurveData();
    SendChangePointTexts();
    SendScales();
    sakuzumemori();
    SendTitle();
    SendCurveLengths();
    cad_channel::CloseTextEntry();
}

} // namespace 縦断bus::profile_sheet
