#include "vantor/shoulder3d/shoulder/路肩作図設定画面.h"

#include "platform/runtime/error.h"
#include "platform/runtime/number_text.h"
#include "vantor/drawing/channel/cad_channel.h"
#include "vantor/geometry/alignment/keisansokutenzahyou.h"
#include "vantor/geometry/alignment/plan_alignment.h"
#include "vantor/model/bus/alignment_tables.h"
#include "vantor/model/bus/document_state.h"
#include "vantor/model/bus/profile_tables.h"
#include "vantor/model/bus/station_tables.h"
#include "vantor/model/document.h"
#include "vantor/model/drawing_home.h"
#include "vantor/model/drawing_settings.h"
#include "vantor/model/sheets/shoulder_sheet.h"
#include "vantor/shoulder3d/shoulder/keisanrokatasen.h"
#include "vantor/shoulder3d/shoulder/offset_line_drawing.h"
#include "vantor/shoulder3d/shoulder/offset_lines.h"
#include "vantor/shoulder3d/shoulder/offset_table_text.h"
#include "vantor/shoulder3d/shoulder/色設定画面.h"

#include <array>
#include <string>

using namespace 縦断bus;
namespace text = 縦断bus::offset_table_text;

namespace {

constexpr int kColumns = 9;
constexpr int kWidthColumnTwips = 1000, kStationColumnTwips = 1370;
constexpr const char* kHeaders[kColumns] = {" L４(左)", " L３(左)", " L２(左)", " L１(左)", " 測 　点",
                                            " L１(右)", " L２(右)", " L３(右)", " L４(右)"};
constexpr const char* kBoxCaptions[4] = {"Ｌine 1", "Ｌine 2", "Ｌine 3", "Ｌine 4"};
// The drawing needs the alignment point after the last IP.
constexpr int kMaxIps = decltype(ipx)::UBound() - 1;

using Drawer = void (路肩作図設定画面::*)();
constexpr std::array<Drawer, kOffsetLines> kDrawers{
    &路肩作図設定画面::sakuzu1L, &路肩作図設定画面::sakuzu2L, &路肩作図設定画面::sakuzu3L, &路肩作図設定画面::sakuzu4L,
    &路肩作図設定画面::sakuzu1R, &路肩作図設定画面::sakuzu2R, &路肩作図設定画面::sakuzu3R, &路肩作図設定画面::sakuzu4R};

// Left edge of grid column c, twips.
int ColumnLeft(int c) {
    return c * kWidthColumnTwips + (c > text::kStationColumn ? kStationColumnTwips - kWidthColumnTwips : 0);
}

void TellTooMany(const std::string& what, int count, int limit) {
    forms::MsgBox(what + "が" + rt::CStr(static_cast<long long>(count)) + "あります。路肩線は" +
                      rt::CStr(static_cast<long long>(limit)) + "までしか作図できません。何も作図しませんでした。",
                  forms::vbExclamation);
}

} // namespace

路肩作図設定画面::路肩作図設定画面() : forms::Form(forms::FormKind::Apart) {
    Toolbar1.OnButtonClick = [this](forms::ToolbarButton& b) { Toolbar1_ButtonClick(b); };
    グリッド.OnClick = [this] { グリッド_Click(); };
    editor_.OnStore = [this] { Text1_LostFocus(); };
}

void 路肩作図設定画面::LayOut() {
    SetCaption("路肩作図設定画面");
    for (const char* key : {"読込", "転送", "ﾍﾟﾝ色", "作図", "戻る"}) Toolbar1.AddButton(key, key);
    const int top = Toolbar1.Height();
    const int gridWidth = ColumnLeft(kColumns - 1) + kWidthColumnTwips + 360;
    Move(300, 300, gridWidth + 360, 8400);
    // The boxes stand over the columns of their lines: L4..L1 left, L1..L4 right.
    for (int k = 0; k < kOffsetLines; ++k) {
        const int line = k % 4;
        const int column = k < 4 ? 3 - line : 5 + line;
        LINEチェック(k).SetCaption(kBoxCaptions[line]);
        LINEチェック(k).Move(ColumnLeft(column) + 60, top + 120, kWidthColumnTwips - 60, 300);
    }
    グリッド.Move(0, top + 540, gridWidth, 8400 - top - 1100);
    Text1.SetVisible(false);
}

void 路肩作図設定画面::Form_Load() {
    LayOut();
    // The pen colours chosen earlier in this run show on the boxes again.
    if (forms::IsLoaded<色設定画面>())
        for (int k = 0; k < kOffsetLines; ++k) LINEチェック(k).SetForeColor(forms::Get<色設定画面>().BoxColour(k));
    // The station list is recomputed before the grid takes its size from it.
    keisanipheimen();
    グリッド.SetCols(kColumns);
    グリッド.SetFixedCols(0);
    グリッド.SetRows(sokutensuu + 1);
    for (int c = 0; c < kColumns; ++c)
        グリッド.SetColWidth(c, c == text::kStationColumn ? kStationColumnTwips : kWidthColumnTwips);
    グリッド.SetRowHeight(-1, 500);
    for (int c = 0; c < kColumns; ++c) グリッド.SetTextMatrix(0, c, kHeaders[c]);
    tateyokorokata();
    FillRows();
    if (ipkeisanflg != 0) ApplyCurveLabels();
}

void 路肩作図設定画面::keisanipheimen() {
    if (ipkeisanflg == 0) return;
    // The regular stations the drawing screen asks for (none before it has loaded).
    const PreparedStationList prepared = PrepareStationList(stationListSettings);
    if (prepared.profileComputed) PlaceAllStations();
    const std::string notice = StationWidths::Notice(prepared.widths);
    if (!notice.empty()) forms::MsgBox(notice, forms::vbInformation);
}

void 路肩作図設定画面::tateyokorokata() {
    const int n = sokutensuu;
    for (int station = 1; station <= n; ++station) {
        rokatadata(station, rokata_col::kStation) = tatedata(station, tate_col::kStation);
        グリッド.SetTextMatrix(station, text::kStationColumn, rt::CStr(rokatadata(station, rokata_col::kStation)));
    }
}

void 路肩作図設定画面::FillRows() {
    const int n = sokutensuu;
    for (int station = 1; station <= n; ++station)
        for (int c = 0; c < kColumns; ++c)
            グリッド.SetTextMatrix(station, c, text::CellText(rokatadata(station, c + 1), c));
}

void 路肩作図設定画面::ApplyCurveLabels() {
    const int n = sokutensuu;
    for (int station = 1; station <= n; ++station)
        グリッド.SetTextMatrix(station, text::kStationColumn,
                               text::WithCurveLabel(グリッド.TextMatrix(station, text::kStationColumn)));
}

void 路肩作図設定画面::keisanyokorokata() {
    グリッド.SetRows(sokutensuu + 1);
    FillRows();
    ApplyCurveLabels();
}

void 路肩作図設定画面::Toolbar1_ButtonClick(forms::ToolbarButton& button) {
    const std::string& key = button.Key();
    if (key == "読込") {
        if (ReadShoulderSheet()) keisanyokorokata();
    } else if (key == "転送") {
        try {
            tensourokata();
        } catch (const rt::Error& e) {
            forms::MsgBox(std::string(e.what()) + "\n路肩ｼｰﾄへの転送は途中で止まりました。", forms::vbExclamation);
        }
    } else if (key == "ﾍﾟﾝ色") {
        forms::Get<色設定画面>().Show();
    } else if (key == "作図") {
        DrawCheckedLines();
    } else if (key == "戻る") {
        drawing_home::Show();
        Unload();
    }
}

void 路肩作図設定画面::グリッド_Click() {
    const int row = グリッド.Row();
    if (row < 1) return;
    editRow_ = static_cast<float>(row);
    editColumn_ = static_cast<float>(グリッド.Col());
    グリッド.SetRow(row);
    グリッド.SetCol(static_cast<int>(editColumn_));
    editor_.Open();
}

void 路肩作図設定画面::Text1_LostFocus() {
    int row = static_cast<int>(editRow_);
    const int column = static_cast<int>(editColumn_);
    if (row > sokutensuu) row = sokutensuu;
    if (row < 1) return;
    const text::Entry entry = text::Read(Text1.Text(), column);
    if (!entry.accepted) {
        forms::MsgBox(entry.refusal, forms::vbExclamation);
        グリッド.SetTextMatrix(row, column, text::CellText(rokatadata(row, column + 1), column));
        return;
    }
    rokatadata(row, column + 1) = entry.value;
    MarkDocumentChanged();
}

void 路肩作図設定画面::DrawCheckedLines() {
    if (ipsuu > kMaxIps) {
        TellTooMany("ＩＰ", ipsuu, kMaxIps);
        return;
    }
    bool anyChecked = false;
    for (int k = 0; k < kOffsetLines; ++k) anyChecked = anyChecked || LINEチェック(k).Value() == forms::vbChecked;
    // The lines pair every station with its plan point: points of another station list, or
    // none, would put the widths at other stations.
    if (anyChecked && !HasPlanPositions()) {
        forms::MsgBox("測点の平面位置が今の測点の並びで計算されていません。作図画面の平面図で「ｾﾝﾀｰ・測点作図」を押して"
                      "平面線形を計算してから路肩線を作図してください。何も作図しませんでした。",
                      forms::vbExclamation);
        return;
    }
    keisanrokatasen();
    if (!anyChecked) return;
    cad_channel::RunDrawing([this] {
        for (int k = 0; k < kOffsetLines; ++k) {
            if (LINEチェック(k).Value() != forms::vbChecked) continue;
            penirosettei(k);
            (this->*kDrawers[k])();
        }
    });
}

void 路肩作図設定画面::penirosettei(int k) {
    cad_channel::Send("_cecolor\r" + std::string(forms::Get<色設定画面>().CadColour(k)));
}

void 路肩作図設定画面::sakuzu1L() { DrawOffsetLine(0); }
void 路肩作図設定画面::sakuzu2L() { DrawOffsetLine(1); }
void 路肩作図設定画面::sakuzu3L() { DrawOffsetLine(2); }
void 路肩作図設定画面::sakuzu4L() { DrawOffsetLine(3); }
void 路肩作図設定画面::sakuzu1R() { DrawOffsetLine(4); }
void 路肩作図設定画面::sakuzu2R() { DrawOffsetLine(5); }
void 路肩作図設定画面::sakuzu3R() { DrawOffsetLine(6); }
void 路肩作図設定画面::sakuzu4R() { DrawOffsetLine(7); }
