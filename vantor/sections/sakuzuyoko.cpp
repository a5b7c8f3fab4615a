#include "vantor/sections/sakuzuyoko.h"

#include "platform/forms/msgbox.h"
#include "platform/runtime/conversion.h"
#include "platform/runtime/number_text.h"
#include "vantor/drawing/channel/cad_channel.h"
#include "vantor/drawing/channel/label_text.h"
#include "vantor/model/bus/drawing_tables.h"
#include "vantor/model/bus/profile_tables.h"
#include "vantor/model/bus/section_tables.h"
#include "vantor/model/bus/station_tables.h"
#include "vantor/sections/section_checks.h"
#include "vantor/sections/section_layout.h"

#include <cmath>
#include <string>
#include <vector>

namespace 縦断bus {

namespace {

using cad_channel::Point;
using cad_channel::Send;

constexpr int kMaxStations = decltype(kiridomenseki)::UBound(); // the area tables' bound
constexpr int kWorkX = -100000;                                 // the work origin

int CharacterCount(const std::string& utf8) {
    int count = 0;
    for (unsigned char c : utf8)
        if ((c & 0xC0) != 0x80) ++count;
    return count;
}

// The planned block at the work origin, exploded and stretched to station k's widths and
// slopes; the existing-ground block with it; both moved to the cell centre.
void SendSection(int k, const SectionSettings& s, CellCentre cell) {
    const double sx = s.cellHalfWidth * 1000, sy = s.cellHalfHeight * 1000;
    const double pw = s.plannedHalfWidth * 1000, ph = s.plannedHalfHeight * 1000;
    const float h = tatedata(k, tate_col::kPlannedMinusGround) * 1000; // where the planned block's centre line stands

    Send("-insert");
    Send(cad_channel::InsertAnswer(yokosakuzudata(k, sakuzu_col::kPlannedBlock), Point(kWorkX, h)));
    const std::string upperLeft = Point(kWorkX - sx, h + sy), lowerRight = Point(sx + kWorkX, h - sy);
    Send("zoom");
    Send(upperLeft);
    Send(lowerRight);
    Send("explode");
    Send("W " + upperLeft + " " + lowerRight + "\r");

    // Right side: vertices from 100 units right of the centre line out to the window's width.
    const double widthR = rt::Val(yokosakuzudata(k, sakuzu_col::kRightStandardWidth)),
                 slopeR = rt::Val(yokosakuzudata(k, sakuzu_col::kRightStandardSlope));
    Send("stretch");
    Send("c");
    Send(Point(pw + kWorkX, h - ph));
    Send(Point(kWorkX + 100, h + ph) + "\r");
    const float actualWidthR = yokodata(k, yoko_col::kRightWidth) * 1000;
    Send(Point(widthR * 1000 + kWorkX, h - slopeR * 1000 * 0.01 * widthR) + " " +
         Point(double(actualWidthR) + kWorkX,
               h - double(yokodata(k, yoko_col::kRightCrossSlope)) * 1000 * 0.01 * yokodata(k, yoko_col::kRightWidth)));

    const double widthL = rt::Val(yokosakuzudata(k, sakuzu_col::kLeftStandardWidth)),
                 slopeL = rt::Val(yokosakuzudata(k, sakuzu_col::kLeftStandardSlope));
    Send("stretch");
    Send("c");
    Send(Point(kWorkX - 100, h - ph));
    Send(Point(kWorkX - pw, h + ph) + "\r");
    const float actualWidthL = yokodata(k, yoko_col::kLeftWidth) * 1000;
    Send(Point(kWorkX - widthL * 1000, h - slopeL * 1000 * 0.01 * widthL) + " " +
         Point(kWorkX - double(actualWidthL),
               h - double(yokodata(k, yoko_col::kLeftCrossSlope)) * 1000 * 0.01 * yokodata(k, yoko_col::kLeftWidth)));

    Send("-insert");
    Send(cad_channel::InsertAnswer(yokosakuzudata(k, sakuzu_col::kGroundBlock), Point(kWorkX, 0)));
    const std::string originWindow = "W " + Point(kWorkX - sx, -sy) + " " + Point(sx + kWorkX, sy) + "\r";
    Send("explode");
    Send(originWindow);
    Send("move");
    Send(originWindow);
    Send(Point(kWorkX, 0) + " " + Point(cell.x, cell.y));
}

// One label of the running text command: start point, height, rotation 0, text, then the
// closing whose second carriage return starts the next label.
template <class X, class Y>
void Label(X x, Y y, const char* height, const std::string& text) {
    Send(Point(x, y));
    Send(height);
    Send("0");
    Send(cad_channel::TextAnswer(text));
    cad_channel::CloseTextEntry();
}

void SendSlopeLabels(int k, CellCentre cell) {
    const float qx = cell.x, qy = cell.y + tatedata(k, tate_col::kPlannedMinusGround) * 1000;
    Label(qx + 1000, qy + 100, "200", rt::CStr(yokodata(k, yoko_col::kRightCrossSlope)) + " %");
    Label(qx - 1500, qy + 100, "200", rt::CStr(yokodata(k, yoko_col::kLeftCrossSlope)) + " %");
}

void SendStationLabels(int k, CellCentre cell, double cellHeight, bool withSection) {
    const double t = cell.y + cellHeight * 400;
    Label(double(cell.x) - CharacterCount(tatemoji(k, tatemoji_col::kStation)) * 240, t, "800",
          tatemoji(k, tatemoji_col::kStation));
    if (!withSection) return;
    const float planned = tatedata(k, tate_col::kPlannedHeight), ground = tatedata(k, tate_col::kGround);
    const double difference = std::floor(static_cast<float>(planned - ground) * 100.0f + 0.5) / 100;
    Label(cell.x, t - 900, "400", "G.H =" + tatemoji(k, tatemoji_col::kGround));
    Label(cell.x, t - 1500, "400", "Ｆ.H =" + tatemoji(k, tatemoji_col::kPlannedHeight));
    Label(cell.x, t - 2100, "400", "D.H =" + rt::CStr(difference));
    const float areaX = cell.x + 10000;
    Label(areaX, t - 2000, "200", "C =" + rt::CStr(kiridomenseki(k)));
    Label(areaX, t - 2300, "200", "C'=");
    Label(areaX, t - 2600, "200", "B =" + rt::CStr(moridomenseki(k)));
    Label(areaX, t - 2900, "200", "B'=" + rt::CStr(umemodoshimenseki(k)));
}

} // namespace

bool sakuzuyoko(const SectionSettings& settings) {
    const std::optional<int> tiers = TierCount(settings.tiers);
    if (!tiers) {
        forms::MsgBox("段数を入力してください。", forms::vbOKOnly);
        return false;
    }
    const int n = sokutensuu;
    if (n > kMaxStations) {
        forms::MsgBox("測点が" + rt::CStr(n) + "あります。横断図は" + rt::CStr(kMaxStations) +
                          "測点までしか作図できません（土積の面積表が" + rt::CStr(kMaxStations) + "測点分です）。",
                      forms::vbExclamation);
        return false;
    }
    std::vector<CellCentre> cells(n + 1);
    std::vector<bool> drawn(n + 1);
    std::vector<SkippedSection> skipped;
    for (int k = 1; k <= n; ++k) {
        cells[k] = CellCentreOf(k, *tiers, settings);
        const SectionFault fault = FindSectionFault(k, settings);
        drawn[k] = fault == SectionFault::None;
        if (!drawn[k]) skipped.push_back({k, fault});
    }
    if (!skipped.empty()) forms::MsgBox(SkippedSectionsMessage(skipped), forms::vbInformation);

    const double cellHeight = settings.sheetHeight / *tiers;
    return cad_channel::RunDrawing([&] {
        for (int k = 1; k <= n; ++k)
            if (drawn[k]) SendSection(k, settings, cells[k]);
        Send("DTEXT ");
        cad_channel::CloseTextEntry();
        for (int k = 1; k <= n; ++k)
            if (drawn[k]) SendSlopeLabels(k, cells[k]);
        seikeitate();
        for (int k = 1; k <= n; ++k) SendStationLabels(k, cells[k], cellHeight, drawn[k]);
        cad_channel::CloseTextEntry();
    });
}

} // namespace 縦断bus
