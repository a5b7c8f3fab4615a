#include "vantor/geometry/equations/方程式画面.h"

#include "platform/runtime/error.h"
#include "vantor/model/bus/profile_tables.h"
#include "vantor/model/document.h"
#include "vantor/model/sheet_names.h"

namespace {
constexpr int kLineHeight = 330;
constexpr int kEquationWidth = 9000;
constexpr int kRangeWidth = 3600;
constexpr int kScreenWidth = 15360; // the width of a 1024-pixel screen, in twips
} // namespace

方程式画面::方程式画面() {
    転送.OnClick = [this] { 転送_Click(); };
    戻る.OnClick = [this] { 戻る_Click(); };
}

void 方程式画面::Form_Load() { LayOut(); }

void 方程式画面::LayOut() {
    SetCaption("２次曲線方程式");
    for (int i = 0; i < kGyousuu; ++i) {
        方程式(i).Move(120, 120 + i * kLineHeight, kEquationWidth, 270);
        区間(i).Move(120 + kEquationWidth + 120, 120 + i * kLineHeight, kRangeWidth, 270);
        方程式(i).SetVisible(false);
        区間(i).SetVisible(false);
    }
    const int buttonsTop = 120 + kGyousuu * kLineHeight + 120;
    転送.SetCaption("ｴｸｾﾙへの書込み");
    転送.Move(120, buttonsTop, 2400, 450);
    戻る.SetCaption("戻　る");
    戻る.Move(2640, buttonsTop, 1500, 450);
    SetHeight(buttonsTop + 450 + 600);
    SetLeft(0);
    SetWidth(kScreenWidth);
}

void 方程式画面::Houteishikiwooku(const std::vector<std::pair<std::string, std::string>>& curves) {
    curves_ = curves;
    for (int i = 0; i < kGyousuu; ++i) {
        const bool listed = i < static_cast<int>(curves.size());
        if (listed) {
            方程式(i).SetCaption(curves[i].first);
            区間(i).SetCaption(curves[i].second);
        }
        方程式(i).SetVisible(listed);
        区間(i).SetVisible(listed);
    }
}

// Writes the listed curves below the station rows of the document's profile sheet (not of
// whichever workbook happens to be active), after four empty rows: the equation in column B,
// the range in column H. A workbook or sheet that is not there is said, not left to end the
// program.
void 方程式画面::転送_Click() {
    try {
        if (!縦断bus::xlsheets) rt::Raise(rt::errNoObject);
        const auto sheet = 縦断bus::xlsheets->Item(std::string(縦断bus::kProfileSheet));
        for (int k = 1; k <= static_cast<int>(curves_.size()); ++k) {
            const int row = 縦断bus::sokutensuu + 8 + k;
            sheet->Cells(row, 2)->SetValue(curves_[k - 1].first);
            sheet->Cells(row, 8)->SetValue(curves_[k - 1].second);
        }
    } catch (const rt::Error& e) {
        forms::MsgBox(kHouteishikiTensouDekinai + "\n" + e.Description());
    }
}

void 方程式画面::戻る_Click() {
    Hide();
    for (int i = 0; i < kGyousuu; ++i) {
        方程式(i).SetVisible(false);
        区間(i).SetVisible(false);
    }
}
