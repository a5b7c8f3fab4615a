#include "vantor/drawing/plan/作図選択画面.h"

#include "vantor/drawing/channel/cad_channel.h"
#include "vantor/drawing/plan/sakuzuheimen.h"

作図選択画面::作図選択画面() : forms::Form(forms::FormKind::Apart) {
    作図.OnClick = [this] { 作図_Click(); };
    戻るボタン.OnClick = [this] { 戻るボタン_Click(); };
}

void 作図選択画面::Form_Load() { LayOut(); }

void 作図選択画面::LayOut() {
    SetCaption("作図選択画面");
    Move(3000, 2400, 4200, 3000);
    Frame1.Move(240, 120, 3600, 1800);
    const char* parts[] = {"センター", "幅　　　員", "測点文字"};
    for (int box = 0; box <= 2; ++box) {
        作図ボタン(box).SetCaption(parts[box]);
        作図ボタン(box).Move(360, 300 + 450 * box, 2600, 330);
    }
    作図.SetCaption("作図");
    作図.Move(240, 2160, 1680, 480);
    戻るボタン.SetCaption("戻る");
    戻るボタン.Move(2160, 2160, 1680, 480);
}

void 作図選択画面::作図_Click() {
    縦断bus::cad_channel::RunDrawing([] { 縦断bus::sakuzuheimen(縦断bus::planSettings); });
}

void 作図選択画面::戻るボタン_Click() { Hide(); }
