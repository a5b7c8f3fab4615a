#include "vantor/sections/earthwork/面積計算選択画面.h"

#include "vantor/sections/earthwork/土坪画面.h"
#include "vantor/sections/editors/切盛ライン設定画面.h"
#include "vantor/sections/editors/現況横断図.h"
#include "vantor/sections/横断図作図データー設定画面.h"

面積計算選択画面::面積計算選択画面() : forms::Form(forms::FormKind::Apart) {
    選択ボタン.OnClick = [this](int index) { 選択ボタン_Click(index); };
}

void 面積計算選択画面::Form_Load() { LayOut(); }

void 面積計算選択画面::LayOut() {
    SetCaption("面積計算選択画面");
    Move(3000, 2000, 4200, 3600);
    for (int i = 0; i <= 2; ++i) 選択ボタン(i).Move(360, 240 + i * 840, 3300, 720);
    選択ボタン(3).Move(2280, 2760, 1380, 420);
}

void 面積計算選択画面::選択ボタン_Click(int index) {
    switch (index) {
    case 0: forms::Get<現況横断図>().Open(); break;
    case 1: forms::Get<切盛ライン設定画面>().Open(); break;
    case 2: forms::Get<土坪画面>().Show(); break;
    case 3: forms::Get<横断図作図データー設定画面>().Show(); break;
    default: break;
    }
    Unload();
}
