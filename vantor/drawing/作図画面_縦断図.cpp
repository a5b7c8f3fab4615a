// The drawing screen's profile page: scales, datum, pavement layers and the profile sheet.
#include "vantor/drawing/作図画面.h"

#include "platform/runtime/number_text.h"
#include "vantor/drawing/profile_sheet/profile_sheet_command.h"
#include "vantor/drawing/作図レイアウト画面.h"
#include "vantor/model/bus/drawing_tables.h"
#include "vantor/model/bus/profile_tables.h"
#include "vantor/sections/keisanyokokoubai.h"

#include <cmath>

using namespace 縦断bus;

void 作図画面::WireProfilePage() {
    舗装.OnClick = [this](int index) { 舗装_Click(index); };
    作図開始ボタン.OnClick = [this] { 作図開始ボタン_Click(); };
    設定ボタン.OnClick = [this] { 設定ボタン_Click(); };
}

void 作図画面::LayOutProfilePage() {
    縮尺枠.SetCaption("縮尺");
    縮尺枠.Move(240, 240, 3900, 1260);
    Legend(縮尺枠, "Ｘ軸 　Ｓ  ＝１：", 150, 330, 2000);
    SH.Move(2220, 330, 1400, 330);
    Legend(縮尺枠, "Ｙ軸 　Ｓ  ＝１：", 150, 780, 2000);
    SV.Move(2220, 780, 1400, 330);
    基準高枠.SetCaption("基準高");
    基準高枠.Move(240, 1680, 3900, 840);
    Legend(基準高枠, "ＤＬ＝", 150, 360, 700);
    DL.Move(900, 360, 1800, 330);
    Legend(基準高枠, "ｍ", 2800, 360, 400);
    舗装構成.SetCaption("舗装構成");
    舗装構成.Move(4440, 240, 4440, 2280);
    const char* layers[] = {"表   層   工", "上層路盤工", "下層路盤工", "置 換 層 工"};
    for (int k = 0; k <= 3; ++k) {
        舗装(k).SetCaption(layers[k]);
        舗装(k).Move(180, 330 + 450 * k, 1900, 330);
        舗装厚(k).Move(2220, 330 + 450 * k, 1200, 330);
        舗装厚(k).SetVisible(false);
        Label5(k).SetCaption("cm");
        Label5(k).Move(3540, 360 + 450 * k, 500, 270);
        Label5(k).SetVisible(false);
    }
    設定ボタン.SetCaption("枠設定");
    設定ボタン.Move(240, 2880, 1800, 480);
    作図開始ボタン.SetCaption("　作　図　開　始");
    作図開始ボタン.Move(4440, 2880, 4440, 600);
}

// Every station with a planned height counts, the last one too; a profile without any
// planned height keeps the datum at 0.
void 作図画面::shokidl() {
    bool found = false;
    for (int station = 1; station <= sokutensuu; ++station) {
        const float height = tatedata(station, tate_col::kPlannedHeight);
        if (height == kEmpty) continue;
        if (!found || height < saishoudaka) saishoudaka = height;
        if (!found || height > saidaidaka) saidaidaka = height;
        found = true;
    }
    if (!found) saishoudaka = saidaidaka = 0;
    const float datum = found ? static_cast<float>(std::floor((double(saishoudaka) - 2) / 10) * 10) : 0.0f;
    DL.SetText(rt::CStr(datum));
    dlchi = static_cast<float>(Number(DL));
}

void 作図画面::舗装_Click(int index) {
    const bool checked = 舗装(index).Value() == forms::vbChecked;
    舗装厚(index).SetVisible(checked);
    Label5(index).SetVisible(checked);
    hosousuu = 0;
    for (int k = 0; k <= 3; ++k)
        if (舗装(k).Value() == forms::vbChecked) ++hosousuu;
}

void 作図画面::作図開始ボタン_Click() {
    profile_sheet::SheetRequest request{SH.Text(), SV.Text(), DL.Text(), {}};
    for (int k = 0; k <= 3; ++k) request.pavement[k] = {舗装(k).Value() == forms::vbChecked, 舗装厚(k).Text()};
    if (profile_sheet::PrepareProfileSheet(request) && keisanyokokoubai()) profile_sheet::SendProfileSheet();
}

void 作図画面::設定ボタン_Click() { forms::Get<作図レイアウト画面>().Show(); }
