#include "vantor/geometry/profile/警告表示画面.h"

#include "vantor/model/bus/profile_tables.h"

namespace {
constexpr int kLineLeft = 1200, kLineTop = 240, kLineWidth = 7800, kLineHeight = 330;
} // namespace

警告表示画面::警告表示画面() {
    Command1.OnClick = [this] { Command1_Click(); };
}

void 警告表示画面::Form_Load() { LayOut(); }

void 警告表示画面::LayOut() {
    SetCaption("警告");
    Move(0, 0, kLineLeft + kLineWidth + 360, kLineTop + 8 * kLineHeight + 1320);
    Image1.Move(240, kLineTop, 720, 720);
    Image1.SetStretch(true);
    Image1.SetPicture(forms::StockPicture(forms::picWarning));
    for (int index = 0; index <= 7; ++index) {
        forms::Label& line = Label1(index);
        line.Move(kLineLeft, kLineTop + index * kLineHeight, kLineWidth, kLineHeight);
        line.SetFontName("ＭＳ Ｐゴシック");
        line.SetCaption(" ");
    }
    Command1.SetCaption("OK");
    Command1.Move(kLineLeft + kLineWidth / 2 - 600, kLineTop + 8 * kLineHeight + 240, 1200, 420);
}

void 警告表示画面::Command1_Click() {
    Hide();
    if (ReturnToEditor) ReturnToEditor();
}

namespace 縦断bus {

void TellProfileStopped() {
    if (keikokuflg != 1) return;
    警告表示画面& warning = forms::Get<警告表示画面>();
    warning.ReturnToEditor = nullptr;
    warning.Show();
}

} // namespace 縦断bus
