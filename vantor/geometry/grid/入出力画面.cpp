#include "vantor/geometry/grid/入出力画面.h"

#include "platform/runtime/conversion.h"
#include "platform/runtime/number_text.h"
#include "vantor/geometry/grid/hyoujitate.h"
#include "vantor/geometry/profile/keikoku.h"
#include "vantor/geometry/profile/keisantate.h"
#include "vantor/geometry/profile/警告表示画面.h"
#include "vantor/model/bus/alignment_tables.h"
#include "vantor/model/bus/profile_tables.h"
#include "vantor/model/document.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

using namespace 縦断bus;

namespace {

// The chainage [m] of the BC or EC that a mark "B.C k (...)" / "E.C k (...)" names, or
// nothing when the text is no mark of an existing IP.
bool MarkedChainage(const std::string& text, float& chainage) {
    if (text.empty() || (text[0] != 'B' && text[0] != 'E')) return false;
    const int k = static_cast<int>(rt::Val(text.size() > 3 ? text.substr(3, 3) : std::string()));
    if (k < 1 || k > std::min(ipsuu, bcsokuten.UBound(1))) return false;
    const float millimetres = text[0] == 'B' ? bcsokuten(k) : ecsokuten(k);
    chainage = static_cast<float>(millimetres / 1000.0);
    return true;
}

// What a typed cell text stores: blank is empty, a mark left as it stands is its chainage,
// anything else the number it begins with (0 when none).
double StoredValue(const std::string& text) {
    if (rt::Trim(text).empty()) return kEmpty;
    float chainage = 0;
    if (MarkedChainage(text, chainage)) return chainage;
    return rt::Val(text);
}

bool FitsTheTable(double value) { return std::fabs(value) <= std::numeric_limits<float>::max(); }

// Whether the profile computation kept every planned height, difference and gradient finite.
bool ComputedValuesFit() {
    for (int row = 1; row <= sokutensuu; ++row)
        for (int column = tate_col::kPlannedHeight; column <= tate_col::kGradient; ++column)
            if (!std::isfinite(tatedata(row, column))) return false;
    return true;
}

} // namespace

入出力画面::入出力画面() {
    グリッド.OnClick = [this] { グリッド_Click(); };
    editor_.OnStore = [this] { Text1_LostFocus(); };
}

void 入出力画面::Form_Load() { LayOut(); }

void 入出力画面::LayOut() {
    SetCaption("入力画面");
    Move(600, 600, 12300, 8000);
    グリッド.Move(0, 0, 12100, 7400);
    Text1.SetFontName("ＭＳ Ｐゴシック");
    Text1.SetVisible(false);
}

void 入出力画面::グリッド_Click() {
    const int row = グリッド.Row();
    if (row < 1) return;
    // The editor opens on the first empty cell left of the click, if any; the computed
    // columns are not edited.
    const int clicked = グリッド.Col();
    int column = clicked;
    for (int c = 0; c <= std::min(clicked, kEditableGridColumns - 1); ++c) {
        if (rt::Trim(グリッド.TextMatrix(row, c)).empty()) {
            column = c;
            break;
        }
    }
    if (column >= kEditableGridColumns) {
        Text1.SetVisible(false);
        return;
    }
    henshuugyou = static_cast<short>(row);
    henshuuretsu = static_cast<short>(column);
    グリッド.SetCol(column);
    // Also while a warning is up: whatever the user types next goes to the cell clicked, and
    // the warning stays in view in front of the grid.
    editor_.Open(true);
    if (forms::IsLoaded<警告表示画面>() && forms::Get<警告表示画面>().Visible()) forms::Get<警告表示画面>().ZOrder(0);
}

void 入出力画面::GridRefilled() { editor_.Refilled(henshuugyou, henshuuretsu); }

void 入出力画面::Text1_LostFocus() {
    // A recount may have taken the edited row off the grid while the editor stayed open: it
    // has no cell left to store, and the grid shows the tables again over what was typed.
    if (henshuugyou >= グリッド.Rows()) {
        Text1.SetVisible(false);
        hyoujitate();
        return;
    }
    const int row = henshuugyou, column = henshuuretsu;
    const std::string typed = グリッド.TextMatrix(row, column);
    const double value = StoredValue(typed);
    const auto refuseAsTooLarge = [&] {
        hyoujitate();
        // The editor still lying over the cell shows the value kept, not the refused text.
        if (Text1.Visible() && グリッド.Row() == row && グリッド.Col() == column)
            Text1.SetText(グリッド.TextMatrix(row, column));
        forms::MsgBox("「" + typed + "」は大きすぎるため入力できません。", forms::vbExclamation);
    };
    if (!FitsTheTable(value)) {
        // The table holds single precision: the cell keeps what it had.
        refuseAsTooLarge();
        return;
    }
    const auto tablesBefore = tatedata;
    const int countBefore = sokutensuu;
    // After a recount the grid still shows rows past the count; a cell typed there extends
    // the count to its row rather than landing in another row.
    if (henshuugyou > sokutensuu) sokutensuu = henshuugyou;
    keikokugyou = static_cast<short>(henshuugyou);
    keikokuretsu = henshuuretsu;
    tatedata(henshuugyou, henshuuretsu + 1) = static_cast<float>(value);

    kakuninkyokusen();
    if (keikokuflg != 1) keisantate();
    if (!ComputedValuesFit()) {
        // A value that fits on its own can still take a planned height or a gradient beyond
        // single precision: refused like a value that does not fit, the profile as it was.
        tatedata = tablesBefore;
        sokutensuu = countBefore;
        kakuninkyokusen();
        if (keikokuflg != 1) keisantate();
        refuseAsTooLarge();
        return;
    }
    MarkDocumentChanged();
    hyoujitate();
    if (keikokuflg == 1 && !dismissingWarning_) ShowWarning();
}

void 入出力画面::ReturnEditorToStoredCell() {
    // The warning is being dismissed. An edit still open in another cell is stored first, in
    // its own cell, without raising the warning again; the editor then goes back to the cell
    // that was refused.
    const short row = keikokugyou, column = keikokuretsu;
    dismissingWarning_ = true;
    try {
        グリッド.SetFocus();
    } catch (...) {
        dismissingWarning_ = false;
        throw;
    }
    dismissingWarning_ = false;
    keikokugyou = row;
    keikokuretsu = column;
    if (keikokugyou < 1) return;
    if (keikokugyou >= グリッド.Rows()) {
        // A recount has taken that row off the grid since.
        Text1.SetVisible(false);
        return;
    }
    henshuugyou = keikokugyou;
    henshuuretsu = keikokuretsu;
    グリッド.SetRow(keikokugyou);
    グリッド.SetCol(keikokuretsu);
    // The value as stored, not the grid's text; an empty cell shows empty, as the grid does.
    グリッド.SetText(GridCellText(tatedata(keikokugyou, keikokuretsu + 1)));
    editor_.Open(true);
}

void 入出力画面::ShowWarning() {
    警告表示画面& warning = forms::Get<警告表示画面>();
    warning.ReturnToEditor = [this] { ReturnEditorToStoredCell(); };
    warning.Show();
}
