#include "vantor/drawing/作図レイアウト画面.h"

#include "platform/runtime/conversion.h"
#include "platform/runtime/number_text.h"
#include "vantor/model/bus/drawing_tables.h"

#include <cmath>

using namespace 縦断bus;

namespace {

// A size as stored: the number rounded half to even.
double RoundedSize(const forms::TextBox& box) { return std::nearbyint(rt::Val(box.Text())); }

bool IsTextSize(const forms::TextBox& box) {
    const double size = RoundedSize(box);
    return size >= 1 && size <= kLargestTextSize;
}

} // namespace

作図レイアウト画面::作図レイアウト画面() : forms::Form(forms::FormKind::Apart) {
    ボタン.OnClick = [this] { ボタン_Click(); };
}

void 作図レイアウト画面::LayOut() {
    SetCaption("作図ﾚｲｱｳﾄ画面");
    Move(0, 0, 5400, 7200);
    Frame1.SetCaption("帯名の設定");
    Frame1.Move(120, 120, 5040, 5880);
    Frame2.Move(120, 300, 4800, 4260);
    Label1.SetCaption("帯　名");
    Label1.Move(240, 180, 1800, 270);
    Label2.SetCaption("高さ(cm)");
    Label2.Move(2400, 180, 1500, 270);
    for (int r = 0; r < kLayoutBandRows; ++r) {
        帯名(r).Move(240, 540 + 330 * r, 1800, 270);
        項目幅(r).Move(2400, 510 + 330 * r, 1500, 300);
    }
    const char* captions[] = {"文字の大きさ", "数字の大きさ"};
    for (int s = 0; s <= 1; ++s) {
        Label3(s).SetCaption(captions[s]);
        Label3(s).Move(240, 4680 + 390 * s, 2160, 270);
        文字サイズ(s).Move(2520, 4650 + 390 * s, 1200, 300);
    }
    Label6.SetCaption("タイトル文字の大きさ");
    Label6.Move(240, 5460, 2160, 270);
    大きさタイトル.Move(2520, 5430, 1200, 300);
    for (int row = 0; row < 3; ++row) {
        units_.push_back(std::make_unique<forms::Label>(Frame1));
        units_.back()->SetCaption("mm");
        units_.back()->Move(3840, 4680 + 390 * row, 600, 270);
    }
    ボタン.SetCaption("設定終了");
    ボタン.Move(1800, 6180, 1800, 480);
}

// Every row shows the height it edits, so that 設定終了 without typing keeps them all.
void 作図レイアウト画面::Form_Load() {
    LayOut();
    const char* names[] = {"地盤高", "土　被", "管底高", "掘削深", "追加距離", "単　距"};
    for (int r = 0; r < 6; ++r) 帯名(r).SetCaption(names[r]);
    for (int r = 0; r < kLayoutBandRows; ++r) 項目幅(r).SetText(rt::CStr(obitakasa(r + 2)));
    文字サイズ(0).SetText(rt::CStr(static_cast<int>(std::lround(mojisaizu))));
    文字サイズ(1).SetText(rt::CStr(static_cast<int>(std::lround(suujisaizu))));
    大きさタイトル.SetText(rt::CStr(static_cast<int>(std::lround(taitorusaizu))));
}

// A band may be 0 high (its rules then meet); a negative height would fold the table. A text
// size the CAD takes is a whole number of at least 1.
std::string 作図レイアウト画面::Refusal() const {
    for (int r = 0; r < kLayoutBandRows; ++r)
        if (rt::Val(項目幅(r).Text()) < 0) return kBandHeightRefusal;
    if (!IsTextSize(文字サイズ(0)) || !IsTextSize(文字サイズ(1)) || !IsTextSize(大きさタイトル))
        return kTextSizeRefusal;
    return {};
}

void 作図レイアウト画面::ボタン_Click() {
    if (const std::string why = Refusal(); !why.empty()) {
        forms::MsgBox(why, forms::vbExclamation);
        return;
    }
    for (int r = 0; r < kLayoutBandRows; ++r) obitakasa(r + 2) = static_cast<float>(rt::Val(項目幅(r).Text()));
    mojisaizu = static_cast<float>(RoundedSize(文字サイズ(0)));
    suujisaizu = static_cast<float>(RoundedSize(文字サイズ(1)));
    taitorusaizu = static_cast<float>(RoundedSize(大きさタイトル));
    Unload();
}
