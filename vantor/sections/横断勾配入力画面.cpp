#include "vantor/sections/横断勾配入力画面.h"

#include "platform/runtime/conversion.h"
#include "platform/runtime/number_text.h"
#include "vantor/drawing/plan/作図選択画面.h"
#include "vantor/model/bus/alignment_tables.h"
#include "vantor/model/bus/document_state.h"
#include "vantor/model/bus/profile_tables.h"
#include "vantor/model/bus/station_tables.h"
#include "vantor/model/document.h"
#include "vantor/model/drawing_home.h"
#include "vantor/model/sheets/cross_slope_sheet.h"
#include "vantor/sections/keisanyokokoubai.h"

#include <algorithm>

using namespace 縦断bus;

namespace {

constexpr int kStationColumn = 4;
constexpr const char* kHeaders[] = {" 路 肩（左）", " 幅 員（左）", " 勾 配（左）",    " 基準勾配（左）",
                                    "   測 　　点", " 計 画 高",    " 基準勾配（右）", " 勾 配（右）",
                                    " 幅 員（右）", " 路 肩（右）"};

// The computed columns are edited through the width of their side.
int EditedColumn(int column) {
    if (column == 0 || column == 2) return 1;
    if (column == 7 || column == 9) return 8;
    return column;
}

// The chainage [m] that a station text "B.C j ..." / "E.C j ..." names. Curve numbers
// outside 1..ipsuu are refused with a message.
bool CurvePointChainage(const std::string& text, double& metres) {
    const int j = static_cast<int>(rt::Val(text.size() > 3 ? text.substr(3, 3) : std::string()));
    const int curves = std::min(ipsuu, bcsokuten.UBound());
    if (j < 1 || j > curves) {
        forms::MsgBox(
            "「" + text + "」の曲線番号はありません。" +
                (curves < 1 ? std::string("曲線がありません。") : "1～" + rt::CStr(curves) + "で指定してください。"),
            forms::vbExclamation);
        return false;
    }
    metres = (text[0] == 'B' ? bcsokuten(j) : ecsokuten(j)) / 1000.0;
    return true;
}

} // namespace

横断勾配入力画面::横断勾配入力画面() : forms::Form(forms::FormKind::Apart) {
    Toolbar1.OnButtonClick = [this](forms::ToolbarButton& b) { Toolbar1_ButtonClick(b); };
    グリッド.OnClick = [this] { グリッド_Click(); };
    editor_.OnStore = [this] { Text1_LostFocus(); };
    幅員ボタン.OnClick = [this](int index) { 幅員ボタン_Click(index); };
}

void 横断勾配入力画面::LayOut() {
    SetCaption("横断勾配入力画面");
    for (const char* key : {"読込", "転送", "設定", "作図", "戻る"}) Toolbar1.AddButton(key, key);
    const int top = Toolbar1.Height();
    Move(300, 300, 12300, 8400);
    グリッド.Move(0, top, 12150, 6900);
    // Room for three lines under the grid: each notice of the interpolation may take two.
    注意.Move(120, top + 6960, 11900, 900);
    注意.SetWordWrap(true);
    注意.SetForeColor(forms::vbRed);
    注意.SetVisible(false);
    Text1.SetVisible(false);

    窓.Move(3600, top + 1200, 4200, 2100);
    窓.SetVisible(false);
    const auto caption = [this](forms::Container& on, const std::string& text, int left, int top, int width) {
        captions_.push_back(std::make_unique<forms::Label>(on));
        captions_.back()->SetCaption(text);
        captions_.back()->Move(left, top, width, 270);
    };
    caption(窓, "幅員の一括設定", 240, 300, 2400);
    caption(窓, "右", 360, 720, 300);
    caption(窓, "左", 360, 1140, 300);
    caption(窓, "ｍ", 2040, 720, 300);
    caption(窓, "ｍ", 2040, 1140, 300);
    幅(0).Move(720, 660, 1200, 330);
    幅(1).Move(720, 1080, 1200, 330);
    幅(0).SetText("　");
    幅(1).SetText("　");
    幅員ボタン(0).Move(2640, 660, 1300, 380);
    幅員ボタン(1).Move(2640, 1080, 1300, 380);
}

void 横断勾配入力画面::Form_Load() {
    LayOut();
    グリッド.SetCols(10);
    グリッド.SetFixedCols(0);
    グリッド.SetRows(sokutensuu + 1);
    グリッド.SetColWidth(-1, 1045);
    for (const auto& [column, width] : {std::pair{2, 1170}, {3, 1350}, {4, 1370}, {6, 1350}, {9, 1170}})
        グリッド.SetColWidth(column, width);
    グリッド.SetRowHeight(-1, 500);
    for (int c = 0; c < 10; ++c) グリッド.SetTextMatrix(0, c, kHeaders[c]);
    utsushiyoko();
    keisanyokokoubai();
    Toolbar1.Buttons("作図").SetEnabled(koubaisetteiflg == 0);
}

void 横断勾配入力画面::ShowNotice(const std::string& text) {
    注意.SetCaption(text);
    注意.SetVisible(!text.empty());
}

void 横断勾配入力画面::Toolbar1_ButtonClick(forms::ToolbarButton& button) {
    const std::string& key = button.Key();
    if (key == "読込") {
        yomikomiyoko();
        keisanyokokoubai();
    } else if (key == "転送") {
        tensouyoko();
    } else if (key == "設定") {
        窓.SetVisible(true);
    } else if (key == "作図") {
        forms::Get<作図選択画面>().Show();
    } else if (key == "戻る") {
        Unload();
        drawing_home::Show();
    }
}

void 横断勾配入力画面::グリッド_Click() {
    const int row = グリッド.Row();
    if (row < 1) return;
    editRow_ = static_cast<float>(row);
    editColumn_ = static_cast<float>(EditedColumn(グリッド.Col()));
    グリッド.SetCol(static_cast<int>(editColumn_));
    editor_.Open();
}

void 横断勾配入力画面::Text1_LostFocus() {
    int row = static_cast<int>(editRow_);
    const int column = static_cast<int>(editColumn_);
    if (row > sokutensuu) row = sokutensuu;
    if (row < 1) return;
    const std::string text = Text1.Text();
    double value = rt::Val(text);
    // A curve point's name stands for its chainage in the station column only.
    if (column == kStationColumn && !text.empty() && (text[0] == 'B' || text[0] == 'E')) {
        if (!CurvePointChainage(text, value)) {
            keisanyokokoubai();
            return;
        }
    }
    if (rt::Trim(text).empty()) value = kEmpty;
    yokodata(row, column + 1) = static_cast<float>(value);
    MarkDocumentChanged();
    keisanyokokoubai();
}

// The boxes start with a full-width blank that a user types after: blanks around the number
// are skipped, and a box left blank gives 0.
void 横断勾配入力画面::幅員ボタン_Click(int index) {
    if (index == 0) {
        const float right = static_cast<float>(rt::Val(rt::Trim(幅(0).Text())));
        const float left = static_cast<float>(rt::Val(rt::Trim(幅(1).Text())));
        for (int i = 1; i <= sokutensuu; ++i) {
            yokodata(i, yoko_col::kRightWidth) = right;
            yokodata(i, yoko_col::kLeftWidth) = left;
            グリッド.SetTextMatrix(i, 1, rt::CStr(yokodata(i, yoko_col::kLeftWidth)));
            グリッド.SetTextMatrix(i, 8, rt::CStr(yokodata(i, yoko_col::kRightWidth)));
        }
        MarkDocumentChanged();
        keisanyokokoubai();
    }
    窓.SetVisible(false);
}
