#include "vantor/sections/earthwork/面積計算選択画面.h"

#include "vantor/drawing/unavailable.h"
#include "vantor/sections/earthwork/土坪画面.h"

面積計算選択画面::面積計算選択画面() : forms::Form(forms::FormKind::Apart) {
    SetCaption("面積計算選択画面");
    Move(3000, 2000, 4200, 3600);
    for (int i = 0; i <= 2; ++i) 選択ボタン(i).Move(360, 240 + i * 840, 3300, 720);
    選択ボタン(3).Move(2280, 2760, 1380, 420);
    選択ボタン.OnClick = [this](int index) { 選択ボタン_Click(index); };
}

void 面積計算選択画面::選択ボタン_Click(int index) {
    switch (index) {
    case 0: 縦断bus::TellUnavailable("現況横断図"); break;
    case 1: 縦断bus::TellUnavailable("切盛ライン設定画面"); break;
    case 2: forms::Get<土坪画面>().Show(); break;
    case 3: 縦断bus::TellUnavailable("横断図作図データー設定画面"); break;
    default: break;
    }
    Unload();
}
