#include "vantor/sections/planned_block_view.h"

#include "platform/forms/msgbox.h"
#include "platform/runtime/conversion.h"
#include "platform/runtime/number_text.h"
#include "vantor/drawing/channel/cad_channel.h"
#include "vantor/model/bus/profile_tables.h"
#include "vantor/model/bus/station_tables.h"
#include "vantor/sections/section_checks.h"

#include <algorithm>
#include <string>

namespace 縦断bus {

namespace {

using cad_channel::Point;
using cad_channel::Send;

// One side's stretch (`side` +1 right, -1 left): the crossing window from 100 units off the
// centre line out to the planned-section width, then the displacement from the standard edge
// to the station's edge, both written about the origin. The slope products are kept in double
// precision, so that a single-precision slope shows its representation error.
void SendStretch(int side, double pw, double ph, float h, double standardWidth, double standardSlope, float width,
                 float slope) {
    Send("stretch");
    Send("c");
    if (side > 0) {
        Send(Point(pw, h - ph));
        Send(Point(100, h + ph) + "\r");
    } else {
        Send(Point(-100, h - ph));
        Send(Point(-pw, h + ph) + "\r");
    }
    Send(Point(side * standardWidth * 1000, standardSlope * -1000 * 0.01 * standardWidth) + " " +
         Point(side * (width * 1000), double(slope) * -1000 * 0.01 * width));
}

} // namespace

float sakuzukeikakublock(int s, const SectionSettings& settings, float previousH, const EraseWindow& erase) {
    const double sx = settings.cellHalfWidth * 1000, sy = settings.cellHalfHeight * 1000;
    const double pw = settings.plannedHalfWidth * 1000, ph = settings.plannedHalfHeight * 1000;
    const float h = tatedata(s, tate_col::kPlannedMinusGround) * 1000;

    Send("erase");
    Send("W");
    Send(Point(-erase.halfWidth, std::max(0.0, double(previousH)) + erase.halfHeight));
    Send(Point(erase.halfWidth, std::min(0.0, double(previousH)) - erase.halfHeight));
    Send("");
    Send("-insert");
    Send(cad_channel::InsertAnswer(yokosakuzudata(s, sakuzu_col::kPlannedBlock), Point(0, h)));
    // The view takes in the ground at the origin and the planned section at H.
    Send("zoom");
    Send(Point(-sx, std::max(0.0, double(h)) + sy));
    Send(Point(sx, std::min(0.0, double(h)) - sy));
    Send("explode");
    Send("W " + Point(-sx, h + sy) + " " + Point(sx, h - sy) + "\r");
    SendStretch(1, pw, ph, h, rt::Val(yokosakuzudata(s, sakuzu_col::kRightStandardWidth)),
                rt::Val(yokosakuzudata(s, sakuzu_col::kRightStandardSlope)), yokodata(s, yoko_col::kRightWidth),
                yokodata(s, yoko_col::kRightCrossSlope));
    SendStretch(-1, pw, ph, h, rt::Val(yokosakuzudata(s, sakuzu_col::kLeftStandardWidth)),
                rt::Val(yokosakuzudata(s, sakuzu_col::kLeftStandardSlope)), yokodata(s, yoko_col::kLeftWidth),
                yokodata(s, yoko_col::kLeftCrossSlope));
    Send("-insert");
    Send(cad_channel::InsertAnswer(yokosakuzudata(s, sakuzu_col::kGroundBlock), Point(0, 0)));
    return h;
}

std::string NewBlockWindow(int s, const SectionSettings& settings) {
    const float h = tatedata(s, tate_col::kPlannedMinusGround) * 1000;
    const double halfWidth = std::max({settings.plannedHalfWidth, double(yokodata(s, yoko_col::kLeftWidth)),
                                       double(yokodata(s, yoko_col::kRightWidth))}) *
                             1000;
    const double ph = settings.plannedHalfHeight * 1000;
    return "W " + Point(-halfWidth, h + ph) + " " + Point(halfWidth, h - ph);
}

bool DrawStationSection(int s, float& drawnH, const EraseWindow& erase) {
    const SectionFault fault = FindBlockFault(s);
    if (fault != SectionFault::None) {
        forms::MsgBox("測点 " + rt::CStr(tatedata(s, tate_col::kStation)) + " の計画断面を表示できません。" +
                          std::string(SectionFaultText(fault)),
                      forms::vbExclamation);
        return false;
    }
    const SectionSettings settings = sectionSettings;
    float drawnAt = drawnH;
    if (!cad_channel::RunDrawing([&] { drawnAt = sakuzukeikakublock(s, settings, drawnH, erase); })) return false;
    drawnH = drawnAt;
    return true;
}

} // namespace 縦断bus
