#include "vantor/drawing/profile_sheet/profile_sheet_command.h"

#include "platform/forms/msgbox.h"
#include "platform/runtime/conversion.h"
#include "platform/runtime/number_text.h"
#include "vantor/drawing/channel/cad_channel.h"
#include "vantor/drawing/profile_sheet/elevation_scale.h"
#include "vantor/drawing/profile_sheet/keisanzahyoutate.h"
#include "vantor/drawing/profile_sheet/profile_lines.h"
#include "vantor/drawing/profile_sheet/sakuzutatemoji.h"
#include "vantor/drawing/profile_sheet/sheet_state.h"
#include "vantor/geometry/alignment/plan_alignment.h"
#include "vantor/geometry/profile/keisankeikakusen.h"
#include "vantor/geometry/profile/keisantate.h"
#include "vantor/geometry/profile/planned_line.h"
#include "vantor/geometry/profile/警告表示画面.h"
#include "vantor/model/bus/alignment_tables.h"
#include "vantor/model/bus/drawing_tables.h"
#include "vantor/model/bus/profile_tables.h"
#include "vantor/model/station_chainage.h"

#include <cmath>

namespace 縦断bus::profile_sheet {

namespace {

constexpr double kMaxScaleMetres = 1000; // elevation scale above the datum: a tick per metre

int LastStationRow() {
    for (int r = sokutensuu; r >= 1; --r)
        if (HasStation(r)) return r;
    return 0;
}

bool Refuse(const std::string& why) {
    forms::MsgBox(why, forms::vbExclamation);
    return false;
}

// The checked layers in the frame's order, and the depth of each one's bottom below the
// planned line.
void TakePavement(const SheetRequest& request) {
    hosouatsu.Fill(0);
    hosoufukasa.Fill(0);
    int c = 0;
    for (const PavementLayer& layer : request.pavement)
        if (layer.checked) hosouatsu(++c) = static_cast<float>(rt::Val(layer.thickness) * 0.01);
    hosousuu = c;
    for (int k = 1; k <= hosousuu; ++k) hosoufukasa(k) = hosoufukasa(k - 1) + hosouatsu(k);
}

// The profile over the current input and its planned line; false when it cannot be drawn,
// after telling the user why.
bool ComputeProfile() {
    const ProfileOutcome outcome = keisantate();
    if (outcome == ProfileOutcome::Stopped) {
        TellProfileStopped();
        return false;
    }
    if (outcome == ProfileOutcome::NoPlannedLine)
        return Refuse("縦断図を作図するには、基準計画高を２測点以上に入力してください。");
    if (!keisankeikakusen()) {
        TellProfileStopped();
        return false;
    }
    if (kyokusensuu > kMaxCurves)
        return Refuse("縦断曲線が" + rt::CStr(kyokusensuu) + "箇所あります。縦断図は" + rt::CStr(kMaxCurves) +
                      "箇所までしか作図できません。");
    return true;
}

// The elevation scale and "D.L =" stand on the datum and the planned heights of this drawing.
void TakeDatum() {
    dlchi = static_cast<float>(boxes.DL);
    bool found = false;
    for (int i = 1; i <= sakuzusokutensuu; ++i) {
        const float height = tatedata(i, tate_col::kPlannedHeight);
        if (height == kEmpty) continue;
        if (!found || height > saidaidaka) saidaidaka = height;
        found = true;
    }
}

} // namespace

std::string RequestRefusal(const SheetRequest& request) {
    if (!(rt::Val(request.SH) > 0) || !(rt::Val(request.SV) > 0))
        return "縮尺（Ｘ軸・Ｙ軸）には0より大きい数値を入力してください。";
    if (sokutensuu > kMaxStations)
        return "測点が" + rt::CStr(sokutensuu) + "行あります。縦断図は" + rt::CStr(kMaxStations) +
               "測点までしか作図できません。";
    const int n = LastStationRow();
    if (n == 0) return "測点がありません。";
    for (int r = 1; r <= n; ++r)
        if (!HasStation(r)) return rt::CStr(r) + "行目の測点が未入力です。測点を入力するか行を削除してください。";
    return {};
}

bool PrepareProfileSheet(const SheetRequest& request) {
    if (const std::string why = RequestRefusal(request); !why.empty()) return Refuse(why);
    boxes = {rt::Val(request.SH), rt::Val(request.SV), rt::Val(request.DL), request.SH, request.SV};
    sakuzusokutensuu = LastStationRow();
    TakePavement(request);
    if (!ComputeProfile()) return false;
    TakeDatum();
    if (!(std::fabs(ScaleMetres()) <= kMaxScaleMetres))
        return Refuse("基準高ＤＬ＝" + rt::CStr(dlchi) + "ｍは計画高から" + rt::CStr(kMaxScaleMetres) +
                      "ｍ以上離れているため、標高目盛を作図できません。ＤＬを見直してください。");
    keisanzahyoutate();
    // What the other drawings use of this command: the plan position of every station.
    PlaceStations(sakuzusokutensuu, ipsuu > 3);
    return true;
}

bool SendProfileSheet() {
    return cad_channel::RunDrawing([] {
        SendProfileLines();
        sakuzutatemoji();
    });
}

} // namespace 縦断bus::profile_sheet
