// The drawing screen's plan page: the IP input, the plan command, the station plot, the
// station coordinates sent to the workbook and the screens that draw along the plan.
#include "vantor/drawing/作図画面.h"

#include "vantor/drawing/channel/cad_channel.h"
#include "vantor/drawing/plan/station_plot.h"
#include "vantor/geometry/alignment/keisansokutenzahyou.h"
#include "vantor/geometry/alignment/plan_alignment.h"
#include "vantor/geometry/coordinates/座標変換.h"
#include "vantor/geometry/ip_input/IP入力画面.h"
#include "vantor/model/bus/alignment_tables.h"
#include "vantor/model/bus/document_state.h"
#include "vantor/model/bus/profile_tables.h"
#include "vantor/model/bus/station_tables.h"
#include "vantor/model/document.h"
#include "vantor/model/drawing_settings.h"
#include "vantor/model/sheet_cells.h"
#include "vantor/model/sheet_messages.h"
#include "vantor/model/sheet_names.h"
#include "vantor/model/sheets/coordinate_sheet.h"
#include "vantor/model/sheets/cross_slope_sheet.h"
#include "vantor/sections/keisanyokokoubai.h"
#include "vantor/sections/横断勾配入力画面.h"
#include "vantor/shoulder3d/model3d/設定3D画面.h"
#include "vantor/shoulder3d/shoulder/路肩作図設定画面.h"

#include <string>
#include <utility>

using namespace 縦断bus;

namespace {

constexpr int kMaxIps = 49; // IPs the point tables hold besides start and end

constexpr char kNoPlanPositions[] = "測点の平面座標が今の測点の並びで計算されていません。"
                                    "「ｾﾝﾀｰ・測点作図」を押して平面線形を計算してから座標値を転送してください。";

constexpr char kAddedStationsMessage[] =
    "場合によっては、計算により追加される測点（BC,EC等）があります。そこの箇所には未入力と表示さ"
    "れるので、幅員を入力した後、作図ボタンを押してください。";

} // namespace

void 作図画面::WirePlanPage() {
    for (forms::TextBox* box : {&縮尺, &文字サイズ, &文字位置, &径}) box->OnChange = [this] { KeepSettings(); };
    基準チェックボタン.OnClick = [this] { 基準チェックボタン_Click(); };
    測点間隔.OnClick = 測点間隔.OnChange = [this] { KeepSettings(); };
    IP入力ボタン.OnClick = [this] { IP入力ボタン_Click(); };
    作図平面.OnClick = [this] { 作図平面_Click(); };
    Command1.OnClick = [this] { Command1_Click(); };
    測点プロットボタン.OnClick = [this] { 測点プロットボタン_Click(); };
    キャンセル.OnClick = [this] { キャンセル_Click(); };
    座標転送.OnClick = [this] { 座標転送_Click(); };
    測点プロット.OnClick = [this] { 測点プロット_Click(); };
    D3ボタン.OnClick = [this] {
        forms::Get<設定3D画面>().Show();
        Hide();
    };
    路肩法尻.OnClick = [this] { 路肩法尻_Click(); };
    変換ボタン.OnClick = [this] { 変換ボタン_Click(); };
}

void 作図画面::LayOutPlanPage() {
    const std::pair<forms::CommandButton*, const char*> buttons[] = {
        {&IP入力ボタン, "ＩＰ入力"}, {&作図平面, "ｾﾝﾀｰ・測点作図"},
        {&Command1, "横断勾配設定"}, {&測点プロットボタン, "測点ﾌﾟﾛｯﾄ"},
        {&座標転送, "座標値転送"},   {&路肩法尻, "路肩法尻作図"},
        {&D3ボタン, "３Ｄ作図"},     {&変換ボタン, "変換"}};
    for (int b = 0; b < 8; ++b) {
        buttons[b].first->SetCaption(buttons[b].second);
        buttons[b].first->Move(240 + 2160 * (b % 4), 240 + 600 * (b / 4), 2040, 480);
    }
    const std::pair<forms::TextBox*, const char*> settings[] = {
        {&縮尺, "縮尺　Ｓ＝１："}, {&文字サイズ, "文字サイズ"}, {&文字位置, "文字の位置"}, {&径, "測点表示円の大きさ"}};
    for (int s = 0; s < 4; ++s) {
        Legend(絵(2), settings[s].second, 240, 1560 + 450 * s, 2100);
        settings[s].first->Move(2400, 1560 + 450 * s, 1200, 330);
        if (s > 0) Legend(絵(2), "mm", 3700, 1560 + 450 * s, 500);
    }
    文字位置.SetToolTipText("測点表示からの離れ");
    基準チェックボタン.SetCaption("基準測点");
    基準チェックボタン.Move(240, 3480, 1500, 330);
    ラベル.SetCaption("測点間隔");
    ラベル.Move(1860, 3510, 1000, 270);
    ラベル.SetVisible(false);
    測点間隔.Move(2880, 3480, 1100, 330);
    測点間隔.SetVisible(false);
    窓.SetCaption("測点ﾌﾟﾛｯﾄ");
    窓.Move(4560, 1500, 4320, 1500);
    窓.SetVisible(false);
    Legend(窓, "測点", 180, 390, 600);
    測点.Move(900, 390, 1500, 330);
    測点プロット.SetCaption("作　図");
    測点プロット.Move(2580, 330, 1560, 450);
    キャンセル.SetCaption("ｷｬﾝｾﾙ");
    キャンセル.Move(2580, 870, 1560, 450);
    作図平面.SetEnabled(false);
    測点プロットボタン.SetEnabled(false);
    D3ボタン.SetEnabled(false);
}

void 作図画面::基準チェックボタン_Click() {
    KeepSettings();
    const bool checked = 基準チェックボタン.Value() == forms::vbChecked;
    ラベル.SetVisible(checked);
    測点間隔.SetVisible(checked);
}

void 作図画面::IP入力ボタン_Click() {
    if (ipsuu > kMaxIps) {
        TooMany("ＩＰ", ipsuu, kMaxIps);
        return;
    }
    作図平面.SetEnabled(true);
    測点プロットボタン.SetEnabled(false);
    D3ボタン.SetEnabled(false);
    IP入力画面& ipScreen = forms::Get<IP入力画面>();
    ipScreen.FillFromTable();
    ipScreen.Show();
}

void 作図画面::作図平面_Click() {
    koubaisetteiflg = 0;
    if (!HasDocument()) {
        sheet_messages::Tell(sheet_messages::kNoWorkbook);
        return;
    }
    const PreparedStationList prepared = PrepareStationList(stationListSettings);
    if (!prepared.rebuilt) return;
    if (const std::string loss = StationWidths::LossNotice(prepared.widths); !loss.empty())
        forms::MsgBox(loss, forms::vbInformation);
    if (!prepared.profileComputed) return;
    forms::Get<横断勾配入力画面>();
    forms::MsgBox(kAddedStationsMessage);
    PlaceAllStations();
    utsushiyoko();
    if (!keisanyokokoubai()) return;
    作図平面.SetEnabled(true);
    測点プロットボタン.SetEnabled(true);
    D3ボタン.SetEnabled(true);
    forms::Get<横断勾配入力画面>().Show();
    Hide();
}

void 作図画面::Command1_Click() { ShowCrossSlopeScreen(0); }

void 作図画面::路肩法尻_Click() {
    forms::Get<路肩作図設定画面>().Show();
    Hide();
}

void 作図画面::測点プロットボタン_Click() { 窓.SetVisible(true); }

void 作図画面::キャンセル_Click() { 窓.SetVisible(false); }

void 作図画面::測点プロット_Click() {
    if (!ReadyToPlotStation()) return;
    const double station = Number(測点);
    cad_channel::RunDrawing([station] { PlotStation(station); });
}

void 作図画面::座標転送_Click() {
    const sheet_cells::Sheet sheet = sheet_cells::DocumentSheet(kCoordinateSheet);
    if (!sheet) return;
    // Positions of another station list, or none, would pair stations with other points.
    if (!HasPlanPositions()) {
        forms::MsgBox(kNoPlanPositions, forms::vbExclamation);
        return;
    }
    if (WriteStationCoordinates(*sheet)) xlbook->Application()->SetVisible(true);
}

void 作図画面::変換ボタン_Click() { forms::Get<座標変換>().ShowWithDocument(); }
