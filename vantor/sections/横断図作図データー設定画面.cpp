#include "vantor/sections/横断図作図データー設定画面.h"

#include "platform/runtime/number_text.h"
#include "vantor/geometry/grid/curve_point_marks.h"
#include "vantor/geometry/grid/hyoujitate.h"
#include "vantor/model/bus/profile_tables.h"
#include "vantor/model/bus/station_tables.h"
#include "vantor/model/document.h"
#include "vantor/model/drawing_home.h"
#include "vantor/model/sheet_cells.h"
#include "vantor/model/sheet_names.h"
#include "vantor/model/sheets/cross_slope_sheet.h"
#include "vantor/sections/earthwork/面積計算選択画面.h"
#include "vantor/sections/sakuzuyoko.h"
#include "vantor/sections/計画ブロック修正画面.h"

#include <algorithm>

using namespace 縦断bus;

namespace {

constexpr int kColumns = 7;
constexpr int kFirstSheetRow = 5, kFirstSheetColumn = 11; // K5: block name (existing)
constexpr const char* kHeaders[kColumns] = {" 　測 　点",    " ﾌﾞﾛｯｸ名(現況)", " ﾌﾞﾛｯｸ名(計画)", " 標準幅員(左)",
                                            " 標準勾配(左)", " 標準幅員(右)",  " 標準勾配(右)"};

// Stations the text table holds.
int Rows() { return std::min(sokutensuu, decltype(yokosakuzudata)::UBound(1)); }

} // namespace

横断図作図データー設定画面::横断図作図データー設定画面() : forms::Form(forms::FormKind::Apart) {
    Toolbar1.OnButtonClick = [this](forms::ToolbarButton& b) { Toolbar1_ButtonClick(b); };
    グリッド.OnClick = [this] { グリッド_Click(); };
    editor_.OnStore = [this] { Text1_LostFocus(); };
}

void 横断図作図データー設定画面::LayOut() {
    SetCaption("横断図作図データ設定画面");
    const std::pair<const char*, const char*> buttons[] = {{"仮表示", "測点毎に標準断面図及び現況横断図を表示します。"},
                                                           {"作図", "すべての測点の横断図を作図します。"},
                                                           {"面積", "土坪を求めるための設定画面を表示します。"},
                                                           {"読込", "エクセルからデーターを読み込みます。"},
                                                           {"転送", "エクセルにデーターを転送します。"},
                                                           {"戻る", ""}};
    for (const auto& [key, tip] : buttons) Toolbar1.AddButton(key, key, tip);
    const int top = Toolbar1.Height();
    Move(600, 600, 11700, 7800);
    グリッド.Move(0, top, 11550, 7000); // the seven columns and the scroll bar
    Text1.SetVisible(false);
}

void 横断図作図データー設定画面::Form_Load() {
    LayOut();
    FillGrid();
    if (sokutensuu > Rows())
        forms::MsgBox("測点が" + rt::CStr(sokutensuu) + "あります。この画面には" + rt::CStr(Rows()) +
                          "測点までを表示します。",
                      forms::vbExclamation);
}

void 横断図作図データー設定画面::FillGrid() {
    const int n = Rows();
    グリッド.SetCols(kColumns);
    グリッド.SetFixedCols(0);
    グリッド.SetRows(n + 1);
    グリッド.SetColWidth(-1, 1550);
    for (int c = 0; c <= 2; ++c) グリッド.SetColWidth(c, 1650);
    グリッド.SetRowHeight(-1, 500);
    for (int c = 0; c < kColumns; ++c) グリッド.SetTextMatrix(0, c, kHeaders[c]);
    // The table keeps the station's number text, 99999 for a station not yet typed, as the
    // drawing screen's 実行 writes it; only the grid shows that station empty, as the profile
    // grid does, and marks a curve's BC and EC stations as it does.
    const CurvePointMarks marks = CurvePointMarks::OfAlignment();
    for (int i = 1; i <= n; ++i) {
        const float station = tatedata(i, tate_col::kStation);
        yokosakuzudata(i, sakuzu_col::kStationText) = rt::CStr(station);
        グリッド.SetTextMatrix(i, 0, marks.Mark(GridCellText(station)));
    }
    FillTexts();
}

void 横断図作図データー設定画面::FillTexts() {
    const int n = Rows();
    for (int i = 1; i <= n; ++i)
        for (int c = 1; c < kColumns; ++c) グリッド.SetTextMatrix(i, c, yokosakuzudata(i, c));
    editor_.Refilled(static_cast<int>(editRow_), static_cast<int>(editColumn_));
}

void 横断図作図データー設定画面::Toolbar1_ButtonClick(forms::ToolbarButton& button) {
    const std::string& key = button.Key();
    if (key == "仮表示") {
        Unload();
        forms::Get<計画ブロック修正画面>().Open();
    } else if (key == "作図") {
        sakuzuyoko(sectionSettings);
    } else if (key == "面積") {
        forms::Get<面積計算選択画面>().Show();
        Unload();
    } else if (key == "読込") {
        yomikomiyokomei();
        FillTexts();
    } else if (key == "転送") {
        転送();
    } else if (key == "戻る") {
        戻る();
    }
}

void 横断図作図データー設定画面::戻る() {
    Unload();
    drawing_home::Show();
}

// The close box is 戻る: the next opening shows the tables afresh.
void 横断図作図データー設定画面::CloseBox_Click() { 戻る(); }

// Columns K-P of the stations' rows from row 5, as texts; nothing else of the sheet changes.
void 横断図作図データー設定画面::転送() {
    const sheet_cells::Sheet sheet = sheet_cells::DocumentSheet(kCrossSlopeSheet);
    if (!sheet) return;
    for (int i = 1; i <= Rows(); ++i)
        for (int c = 1; c < kColumns; ++c)
            sheet_cells::Put(*sheet, i + kFirstSheetRow - 1, c + kFirstSheetColumn - 1, yokosakuzudata(i, c));
    sheet->Select();
    xlbook->Application()->SetVisible(true);
}

void 横断図作図データー設定画面::グリッド_Click() {
    const int row = グリッド.Row();
    if (row < 1) return;
    editRow_ = static_cast<float>(row);
    editColumn_ = static_cast<float>(std::max(1, グリッド.Col()));
    グリッド.SetCol(static_cast<int>(editColumn_));
    editor_.Open();
}

void 横断図作図データー設定画面::Text1_LostFocus() {
    int row = static_cast<int>(editRow_);
    if (row > Rows()) row = Rows();
    if (row < 1) return;
    const int column = static_cast<int>(editColumn_);
    yokosakuzudata(row, column) = グリッド.TextMatrix(row, column);
}
