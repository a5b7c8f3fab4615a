#include "vantor/drawing/作図画面.h"

#include "platform/runtime/conversion.h"
#include "platform/runtime/number_text.h"
#include "vantor/drawing/channel/cad_channel.h"
#include "vantor/drawing/plan/station_plot.h"
#include "vantor/drawing/profile_sheet/profile_sheet_command.h"
#include "vantor/drawing/作図レイアウト画面.h"
#include "vantor/drawing/参考図.h"
#include "vantor/geometry/alignment/plan_alignment.h"
#include "vantor/geometry/coordinates/座標変換.h"
#include "vantor/geometry/ip_input/IP入力画面.h"
#include "vantor/model/bus/alignment_tables.h"
#include "vantor/model/bus/document_state.h"
#include "vantor/model/bus/drawing_tables.h"
#include "vantor/model/bus/profile_tables.h"
#include "vantor/model/bus/station_tables.h"
#include "vantor/model/document.h"
#include "vantor/model/drawing_home.h"
#include "vantor/model/drawing_settings.h"
#include "vantor/model/sheet_cells.h"
#include "vantor/model/sheet_messages.h"
#include "vantor/model/sheet_names.h"
#include "vantor/model/sheets/cross_slope_sheet.h"
#include "vantor/sections/keisanyokokoubai.h"
#include "vantor/sections/横断勾配入力画面.h"
#include "vantor/sections/横断図作図データー設定画面.h"
#include "vantor/shoulder3d/model3d/設定3D画面.h"
#include "vantor/shoulder3d/shoulder/路肩作図設定画面.h"

#include <cmath>

using namespace 縦断bus;

namespace {

constexpr int kMaxIps = 49;                 // IPs the point tables hold besides start and end
constexpr int kMaxSectionStations = 200;    // stations the cross-section text table holds
constexpr int kLastCoordinateRow = 52;      // the station list's own rows of 座標値ｼｰﾄ

double Number(const forms::TextBox& box) { return rt::Val(box.Text()); }

void TooMany(const std::string& what, int count, int limit) {
    forms::MsgBox(what + "が" + rt::CStr(count) + "あります。" + rt::CStr(limit) + "までしか扱えません。",
                  forms::vbExclamation);
}

} // namespace

作図画面::作図画面() : forms::Form(forms::FormKind::Apart) { Wire(); }

作図画面::~作図画面() = default;

void 作図画面::Wire() {
    タブ図面.OnClick = [this] { タブ図面_Click(); };
    用紙高.OnChange = [this] {
        用紙高_Change();
        KeepSettings();
    };
    for (forms::TextBox* box : {&段数, &測点X, &測点Y, &計画幅, &計画高, &縮尺, &文字サイズ, &文字位置, &径})
        box->OnChange = [this] { KeepSettings(); };
    舗装.OnClick = [this](int index) { 舗装_Click(index); };
    基準チェックボタン.OnClick = [this] { 基準チェックボタン_Click(); };
    測点間隔.OnClick = 測点間隔.OnChange = [this] { KeepSettings(); };
    IP入力ボタン.OnClick = [this] { IP入力ボタン_Click(); };
    作図平面.OnClick = [this] { 作図平面_Click(); };
    Command1.OnClick = [this] { Command1_Click(); };
    横勾配設定ボタン.OnClick = [this] { 横勾配設定ボタン_Click(); };
    横断図データー設定画面表示ボタン.OnClick = [this] { 横断図データー設定画面表示ボタン_Click(); };
    一括ボタン.OnClick = [this] { 一括ボタン_Click(); };
    戻るボタン.OnClick = [this] { 戻るボタン_Click(); };
    測点プロットボタン.OnClick = [this] { 測点プロットボタン_Click(); };
    キャンセル.OnClick = [this] { キャンセル_Click(); };
    座標転送.OnClick = [this] { 座標転送_Click(); };
    参照ボタン.OnClick = [this] { 参照ボタン_Click(); };
    Command2.OnClick = [this] { 参照ボタン_Click(); };
    取り消し.OnClick = [this] { 取り消し_Click(); };
    作図開始ボタン.OnClick = [this] { 作図開始ボタン_Click(); };
    設定ボタン.OnClick = [this] { 設定ボタン_Click(); };
    断面作図ボタン.OnClick = [this] {
        forms::Get<横断図作図データー設定画面>().Show();
        Hide();
    };
    測点プロット.OnClick = [this] { 測点プロット_Click(); };
    D3ボタン.OnClick = [this] {
        forms::Get<設定3D画面>().Show();
        Hide();
    };
    路肩法尻.OnClick = [this] { 路肩法尻_Click(); };
    変換ボタン.OnClick = [this] { 変換ボタン_Click(); };
}

forms::Label& 作図画面::Legend(forms::Container& on, const std::string& text, int left, int top, int width) {
    captions_.push_back(std::make_unique<forms::Label>(on));
    forms::Label& label = *captions_.back();
    label.SetCaption(text);
    label.Move(left, top + 30, width, 270);
    return label;
}

// Positions and captions; what the screen's design holds.
void 作図画面::LayOut() {
    SetCaption("作図");
    Move(1200, 900, 9600, 7500);
    タブ図面.Move(120, 120, 9240, 6300);
    取り消し.SetCaption("戻　る");
    取り消し.Move(7800, 6540, 1560, 450);

    // Profile page.
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

    // Cross-section page.
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

    // Plan page.
    const std::pair<forms::CommandButton*, const char*> buttons[] = {
        {&IP入力ボタン, "ＩＰ入力"}, {&作図平面, "ｾﾝﾀｰ・測点作図"}, {&Command1, "横断勾配設定"},
        {&測点プロットボタン, "測点ﾌﾟﾛｯﾄ"}, {&座標転送, "座標値転送"}, {&路肩法尻, "路肩法尻作図"},
        {&D3ボタン, "３Ｄ作図"}, {&変換ボタン, "変換"}};
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

void 作図画面::Form_Load() {
    LayOut();

    for (const char* interval : {"20", "40", "60"}) 測点間隔.AddItem(interval);
    タブ図面.SetTabCaption(1, "縦断図");
    タブ図面.AddTab("横断図");
    タブ図面.AddTab("平面図");
    for (int page = 0; page <= 2; ++page)
        絵(page).Move(タブ図面.ClientLeft(), タブ図面.ClientTop(), タブ図面.ClientWidth(), タブ図面.ClientHeight());
    絵(0).ZOrder(0);
    cad_channel::Open();
    drawing_home::Set(*this);
    shokidl();
    SH.SetText(rt::CStr(200));
    SV.SetText(rt::CStr(100));

    taitorusaizu = 30;
    mojisaizu = 5;
    suujisaizu = 4;
    const char* bands[11][3] = {{"勾", "　", "配"}, {"盛", "  ", "土"}, {"切", "　", "土"}, {"計", "画", "高"},
                                {"縦", "曲", "線"}, {"地", "盤", "高"}, {"単", "　", "距"}, {"測", "　", "点"},
                                {"曲", "　", "線"}, {"片", "勾", "配"}, {"拡", "幅", "量"}};
    for (int k = 1; k <= 11; ++k)
        for (int row = 1; row <= 3; ++row) obimoji(k, row) = bands[k - 1][row - 1];
    const float heights[12] = {1.5f, 2, 1.5f, 1.5f, 2, 1.5f, 2, 2, 2, 2, 2.5f, 2.5f};
    for (int k = 1; k <= 12; ++k) obitakasa(k) = heights[k - 1];

    用紙高.SetText(rt::CStr(kSectionStart.sheetHeight));
    用紙幅.SetText(rt::CStr(81));
    段数.SetText(rt::CStr(kSectionStart.tiers));
    測点Y.SetText(rt::CStr(kSectionStart.cellHalfHeight));
    測点X.SetText(rt::CStr(kSectionStart.cellHalfWidth));
    計画高.SetText(rt::CStr(kSectionStart.plannedHalfHeight));
    計画幅.SetText(rt::CStr(kSectionStart.plannedHalfWidth));
    左幅.SetText(rt::CStr(3));
    左勾配.SetText(rt::CStr(2));
    右幅.SetText(rt::CStr(3));
    右勾配.SetText(rt::CStr(2));
    縮尺.SetText(rt::CStr(kPlanStart.scale));
    文字サイズ.SetText(rt::CStr(kPlanStart.textSize));
    文字位置.SetText(rt::CStr(kPlanStart.labelOffset));
    径.SetText(rt::CStr(kPlanStart.circleSize));
}

void 作図画面::ShowFrom(forms::Form& mainWindow) {
    mainWindow_ = &mainWindow;
    Show();
    mainWindow.SetWindowState(forms::vbMinimized);
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

// The one reading of the setting boxes: the drawings below the screen take these values.
void 作図画面::KeepSettings() {
    planSettings = {Number(縮尺), Number(文字サイズ), Number(文字位置), Number(径)};
    sectionSettings = {.tiers = Number(段数),
                       .sheetHeight = Number(用紙高),
                       .cellHalfWidth = Number(測点X),
                       .cellHalfHeight = Number(測点Y),
                       .plannedHalfWidth = Number(計画幅),
                       .plannedHalfHeight = Number(計画高)};
    stationListSettings = {.regularStations = 基準チェックボタン.Value() == forms::vbChecked, .interval = 測点間隔.Text()};
}

void 作図画面::タブ図面_Click() { 絵(タブ図面.SelectedItem() - 1).ZOrder(0); }

void 作図画面::用紙高_Change() {
    const double sectionHeight = Number(測点Y);
    if (sectionHeight == 0) return;
    段数.SetText(rt::CStr(std::floor(Number(用紙高) / (2 * sectionHeight))));
}

void 作図画面::舗装_Click(int index) {
    const bool checked = 舗装(index).Value() == forms::vbChecked;
    舗装厚(index).SetVisible(checked);
    Label5(index).SetVisible(checked);
    hosousuu = 0;
    for (int k = 0; k <= 3; ++k)
        if (舗装(k).Value() == forms::vbChecked) ++hosousuu;
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
    if (!RunPlanCommand({.loadCrossSlopeScreen = [] { forms::Get<横断勾配入力画面>(); },
                         .regularStations = stationListSettings.regularStations,
                         .stationInterval = stationListSettings.interval}))
        return;
    utsushiyoko();
    if (!keisanyokokoubai()) return;
    作図平面.SetEnabled(true);
    測点プロットボタン.SetEnabled(true);
    D3ボタン.SetEnabled(true);
    forms::Get<横断勾配入力画面>().Show();
    Hide();
}

void 作図画面::ShowCrossSlopeScreen(int mode) {
    koubaisetteiflg = mode;
    if (sokutensuu > kCrossSlopeRows) {
        TooMany("測点", sokutensuu, kCrossSlopeRows);
        return;
    }
    forms::Get<横断勾配入力画面>().Show();
}

void 作図画面::Command1_Click() { ShowCrossSlopeScreen(0); }

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

void 作図画面::路肩法尻_Click() {
    forms::Get<路肩作図設定画面>().Show();
    Hide();
}

void 作図画面::一括ボタン_Click() {
    Frame11.SetVisible(true);
    Frame14.SetVisible(false);
}

void 作図画面::戻るボタン_Click() {
    Frame14.SetVisible(true);
    Frame11.SetVisible(false);
}

void 作図画面::測点プロットボタン_Click() { 窓.SetVisible(true); }

void 作図画面::キャンセル_Click() { 窓.SetVisible(false); }

void 作図画面::測点プロット_Click() {
    if (!ReadyToPlotStation()) return;
    const double station = Number(測点);
    cad_channel::RunDrawing([station] { PlotStation(station); });
}

// The plan positions of the station list in columns B-D from row 5. The rows below the list
// up to row 52 are cleared; the rows under them belong to the coordinate conversion.
void 作図画面::座標転送_Click() {
    const sheet_cells::Sheet sheet = sheet_cells::DocumentSheet(kCoordinateSheet);
    if (!sheet) return;
    // The plan positions are computed by ｾﾝﾀｰ･測点作図 (which enables 測点ﾌﾟﾛｯﾄ) and go stale
    // with the next IP input; until then they are zeros that would replace the sheet's list.
    if (!測点プロットボタン.Enabled()) {
        forms::MsgBox("測点の平面座標がまだ計算されていません。先に「ｾﾝﾀｰ･測点作図」を実行してください。", forms::vbExclamation);
        return;
    }
    const int n = sokutensuu;
    const int fits = kLastCoordinateRow - 4;
    if (n > fits) {
        forms::MsgBox("測点が" + rt::CStr(n) + "点あります。" + std::string(kCoordinateSheet) + "には" + rt::CStr(fits) +
                          "測点までしか転送できません（それより下の行は座標変換の結果です）。",
                      forms::vbExclamation);
        return;
    }
    sheet_cells::SelectAndClear(*sheet, "B5:D" + rt::CStr(kLastCoordinateRow));
    for (int station = 1; station <= n; ++station) {
        sheet_cells::Put(*sheet, station + 4, 2, tatedata(station, tate_col::kStation));
        sheet_cells::Put(*sheet, station + 4, 3, static_cast<float>(sokutenx(station) / 1000.0));
        sheet_cells::Put(*sheet, station + 4, 4, static_cast<float>(sokuteny(station) / 1000.0));
    }
    sheet->Select();
    xlbook->Application()->SetVisible(true);
}

void 作図画面::変換ボタン_Click() { forms::Get<座標変換>().ShowWithDocument(); }

void 作図画面::参照ボタン_Click() { forms::Get<参考図>().Show(); }

void 作図画面::作図開始ボタン_Click() {
    profile_sheet::SheetRequest request{SH.Text(), SV.Text(), DL.Text(), {}};
    for (int k = 0; k <= 3; ++k) request.pavement[k] = {舗装(k).Value() == forms::vbChecked, 舗装厚(k).Text()};
    if (profile_sheet::PrepareProfileSheet(request) && keisanyokokoubai()) profile_sheet::SendProfileSheet();
}

void 作図画面::設定ボタン_Click() { forms::Get<作図レイアウト画面>().Show(); }

void 作図画面::取り消し_Click() {
    if (mainWindow_) mainWindow_->SetWindowState(forms::vbMaximized);
    Hide();
}
