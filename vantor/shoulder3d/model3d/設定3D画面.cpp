#include "vantor/shoulder3d/model3d/設定3D画面.h"

#include "vantor/model/drawing_home.h"
#include "vantor/shoulder3d/model3d/sakuzu3d.h"

namespace {
constexpr int kFullHeight = 5520;   // twips, with the frame of additional lines shown
constexpr int kExtrasBottom = 5160; // the bottom of that frame
} // namespace

設定3D画面::設定3D画面() : forms::Form(forms::FormKind::Apart) {
    D3ボタン.OnClick = [this] { D3ボタン_Click(); };
    追加作図開始ボタン.OnClick = [this] { 追加作図開始ボタン_Click(); };
    Command1.OnClick = [this] { Command1_Click(); };
    戻りボタン.OnClick = [this] { 戻りボタン_Click(); };
}

void 設定3D画面::Form_Load() {
    LayOut();
    ShowExtras(false);
}

void 設定3D画面::LayOut() {
    SetCaption("３Ｄ設定画面");
    Move(3000, 1800, 5280, kFullHeight);

    窓3D.SetCaption("3D作図");
    窓3D.Move(240, 120, 4800, 1440);
    Label11.SetCaption("DL=");
    Label11.Move(240, 420, 540, 270);
    DL.Move(840, 390, 1800, 330);
    Label12.SetCaption("m");
    Label12.Move(2760, 420, 300, 270);
    D3ボタン.SetCaption("作図開始");
    D3ボタン.Move(240, 840, 2040, 450);
    戻りボタン.SetCaption("ｷｬﾝｾﾙ");
    戻りボタン.Move(2520, 840, 2040, 450);

    Frame5.SetCaption("作図線の選択");
    Frame5.Move(240, 1680, 4800, 1560);
    Frame6.SetCaption("幅員");
    Frame6.Move(120, 300, 2220, 1140);
    幅員op(0).SetCaption("すべて");
    幅員op(0).Move(180, 330, 1800, 300);
    幅員op(1).SetCaption("測点のみ");
    幅員op(1).Move(180, 720, 1800, 300);
    Frame7.Move(2460, 300, 2220, 1140);
    高さチェック.SetCaption("測点の高さ");
    高さチェック.Move(180, 330, 1900, 300);
    投影チェック.SetCaption("平面投影図");
    投影チェック.Move(180, 720, 1900, 300);

    追加窓.SetCaption("追加作図線選択");
    追加窓.Move(240, 3360, 4800, kExtrasBottom - 3360);
    const char* extras[] = {"全点幅員作図", "測点幅員作図", "測点高の作図", "平面投影図"};
    for (int box = 0; box <= 3; ++box) {
        追加選択チェックボタン(box).SetCaption(extras[box]);
        追加選択チェックボタン(box).Move(180 + 2280 * (box % 2), 330 + 390 * (box / 2), 2100, 300);
    }
    追加作図開始ボタン.SetCaption("追加作図開始");
    追加作図開始ボタン.Move(180, 1200, 2040, 450);
    Command1.SetCaption("ｷｬﾝｾﾙ");
    Command1.Move(2460, 1200, 2040, 450);
}

void 設定3D画面::D3ボタン_Click() {
    if (DL.Text().empty()) {
        forms::MsgBox("DLを入力してください。");
        return;
    }
    if (縦断bus::sakuzu3d()) ShowExtras(true);
}

void 設定3D画面::追加作図開始ボタン_Click() {
    auto checked = [this](int box) { return 追加選択チェックボタン(box).Value() == forms::vbChecked; };
    縦断bus::DrawModelExtras({checked(0), checked(1), checked(2), checked(3)});
}

void 設定3D画面::Command1_Click() { ShowExtras(false); }

// The screen ends below its last frame shown, with the margin it has below the frame of
// additional lines.
void 設定3D画面::ShowExtras(bool show) {
    追加窓.SetVisible(show);
    const forms::Frame& last = show ? 追加窓 : Frame5;
    SetHeight(static_cast<int>(last.Top() + last.Height()) + kFullHeight - kExtrasBottom);
}

void 設定3D画面::戻りボタン_Click() {
    縦断bus::drawing_home::Show();
    Hide();
}
