// The drawing screen's cross-section page: section and paper sizes, the standard section
// applied to every station, and the screens of the cross-section drawing.
#include "vantor/drawing/作図画面.h"

#include "platform/runtime/number_text.h"
#include "vantor/drawing/参考図.h"
#include "vantor/model/bus/document_state.h"
#include "vantor/model/bus/profile_tables.h"
#include "vantor/model/bus/station_tables.h"
#include "vantor/sections/keisanyokokoubai.h"
#include "vantor/sections/横断勾配入力画面.h"
#include "vantor/sections/横断図作図データー設定画面.h"

#include <cmath>
#include <tuple>

using namespace 縦断bus;

namespace {

constexpr int kMaxSectionStations = 200; // stations the cross-section text table holds

} // namespace

void 作図画面::WireSectionPage() {
    用紙高.OnChange = [this] {
        用紙高_Change();
        KeepSettings();
    };
    for (forms::TextBox* box : {&段数, &測点X, &測点Y, &計画幅, &計画高}) box->OnChange = [this] { KeepSettings(); };
    横勾配設定ボタン.OnClick = [this] { 横勾配設定ボタン_Click(); };
    横断図データー設定画面表示ボタン.OnClick = [this] { 横断図データー設定画面表示ボタン_Click(); };
    一括ボタン.OnClick = [this] { 一括ボタン_Click(); };
    戻るボタン.OnClick = [this] { 戻るボタン_Click(); };
    参照ボタン.OnClick = [this] { 参照ボタン_Click(); };
    Command2.OnClick = [this] { 参照ボタン_Click(); };
    断面作図ボタン.OnClick = [this] {
        forms::Get<横断図作図データー設定画面>().Show();
        Hide();
    };
}

void 作図画面::LayOutSectionPage() {
    一括ボタン.SetCaption("標準図");
    一括ボタン.SetToolTipText("標準断面図の形状設定を行います。");
    一括ボタン.Move(240, 240, 1800, 480);
    横勾配設定ボタン.SetCaption("勾配設定");
    横勾配設定ボタン.SetToolTipText("測点毎の横断勾配を設定画面を表示します。");
    横勾配設定ボタン.Move(2220, 240, 1800, 480);
    断面作図ボタン.SetCaption("作図準備");
    断面作図ボタン.SetToolTipText("横断図作成のための設定画面を表示します。");
    断面作図ボタン.Move(4200, 240, 1800, 480);
    Frame14.Move(240, 900, 8640, 4800);
    計画断面枠.SetCaption("計画断面ｻｲｽﾞ");
    計画断面枠.Move(150, 300, 2700, 1260);
    Legend(計画断面枠, "高さ", 150, 330, 600);
    計画高.Move(900, 330, 1200, 330);
    Legend(計画断面枠, "ｍ", 2220, 330, 400);
    Legend(計画断面枠, "幅", 150, 780, 600);
    計画幅.Move(900, 780, 1200, 330);
    Legend(計画断面枠, "ｍ", 2220, 780, 400);
    現況断面枠.SetCaption("現況断面ｻｲｽﾞ");
    現況断面枠.Move(2970, 300, 2700, 1260);
    Legend(現況断面枠, "高さ", 150, 330, 600);
    測点Y.Move(900, 330, 1200, 330);
    Legend(現況断面枠, "ｍ", 2220, 330, 400);
    Legend(現況断面枠, "幅", 150, 780, 600);
    測点X.Move(900, 780, 1200, 330);
    Legend(現況断面枠, "ｍ", 2220, 780, 400);
    用紙枠.SetCaption("用紙ｻｲｽﾞ");
    用紙枠.Move(5790, 300, 2700, 1710);
    Legend(用紙枠, "高さ", 150, 330, 600);
    用紙高.Move(900, 330, 1200, 330);
    Legend(用紙枠, "cｍ", 2190, 330, 450);
    Legend(用紙枠, "幅", 150, 780, 600);
    用紙幅.Move(900, 780, 1200, 330);
    Legend(用紙枠, "cｍ", 2190, 780, 450);
    Legend(用紙枠, "段数", 150, 1230, 600);
    段数.Move(900, 1230, 1200, 330);
    参照ボタン.SetCaption("参照図表示");
    参照ボタン.Move(150, 1800, 2000, 480);
    Frame11.SetCaption("標準断面形状の設定");
    Frame11.Move(240, 900, 8640, 4800);
    Frame11.SetVisible(false);
    for (auto [frame, caption, width, slope] :
         {std::tuple{&左側枠, "（左側）", &左幅, &左勾配}, std::tuple{&右側枠, "（右側）", &右幅, &右勾配}}) {
        frame->SetCaption(caption);
        Legend(*frame, "幅員", 150, 330, 600);
        width->Move(900, 330, 1200, 330);
        Legend(*frame, "ｍ", 2220, 330, 400);
        Legend(*frame, "勾配", 150, 780, 600);
        slope->Move(900, 780, 1200, 330);
        Legend(*frame, "％", 2220, 780, 400);
    }
    左側枠.Move(150, 300, 2700, 1260);
    右側枠.Move(2970, 300, 2700, 1260);
    Command2.SetCaption("参考図表示");
    Command2.Move(6000, 300, 2400, 480);
    横断図データー設定画面表示ボタン.SetCaption("実　　行");
    横断図データー設定画面表示ボタン.Move(6000, 900, 2400, 480);
    戻るボタン.SetCaption("戻る");
    戻るボタン.Move(6000, 1500, 2400, 480);
    Label34.SetCaption("各測点毎にブロック登録済みの場合は一括設定に注意をしてください。");
    Label34.Move(150, 2220, 8300, 300);
}

void 作図画面::用紙高_Change() {
    const double sectionHeight = Number(測点Y);
    if (sectionHeight == 0) return;
    段数.SetText(rt::CStr(std::floor(Number(用紙高) / (2 * sectionHeight))));
}

void 作図画面::ShowCrossSlopeScreen(int mode) {
    koubaisetteiflg = mode;
    if (sokutensuu > kCrossSlopeRows) {
        TooMany("測点", sokutensuu, kCrossSlopeRows);
        return;
    }
    forms::Get<横断勾配入力画面>().Show();
}

void 作図画面::横勾配設定ボタン_Click() { ShowCrossSlopeScreen(1); }

void 作図画面::横断図データー設定画面表示ボタン_Click() {
    const int n = sokutensuu;
    if (n > kMaxSectionStations) {
        TooMany("測点", n, kMaxSectionStations);
        return;
    }
    for (int station = 1; station <= n; ++station) {
        yokosakuzudata(station, sakuzu_col::kStationText) = rt::CStr(tatedata(station, tate_col::kStation));
        yokosakuzudata(station, sakuzu_col::kLeftStandardWidth) = 左幅.Text();
        yokosakuzudata(station, sakuzu_col::kLeftStandardSlope) = 左勾配.Text();
        yokosakuzudata(station, sakuzu_col::kRightStandardWidth) = 右幅.Text();
        yokosakuzudata(station, sakuzu_col::kRightStandardSlope) = 右勾配.Text();
    }
    // A screen already open shows the values just set, which its 作図 and 転送 use.
    if (forms::IsLoaded<横断図作図データー設定画面>()) forms::Get<横断図作図データー設定画面>().FillGrid();
    forms::Get<横断図作図データー設定画面>().Show();
}

void 作図画面::一括ボタン_Click() {
    Frame11.SetVisible(true);
    Frame14.SetVisible(false);
}

void 作図画面::戻るボタン_Click() {
    Frame14.SetVisible(true);
    Frame11.SetVisible(false);
}

void 作図画面::参照ボタン_Click() { forms::Get<参考図>().Show(); }
