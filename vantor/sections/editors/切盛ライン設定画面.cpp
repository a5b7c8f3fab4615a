#include "vantor/sections/editors/切盛ライン設定画面.h"

#include "vantor/sections/earthwork/土坪画面.h"
#include "vantor/sections/earthwork/面積計算選択画面.h"
#include "vantor/sections/planned_block_view.h"

using namespace 縦断bus;

切盛ライン設定画面::切盛ライン設定画面() : SectionPointEditor(CutFillLine(), {"切盛", "受　　信", "読　込", "転　送"}) {
    面積表示ボタン.OnClick = [this] { 面積表示ボタン_Click(); };
    戻るボタン.OnClick = [this] { 戻るボタン_Click(); };
}

void 切盛ライン設定画面::LayOutOwnButtons(int left, int top) {
    面積表示ボタン.SetCaption("面積");
    面積表示ボタン.Move(left, top, 1500, 420);
    戻るボタン.SetCaption("戻る");
    戻るボタン.Move(left + 3240, top, 1500, 420);
}

// The station's planned section at its widths and slopes beside its existing ground.
void 切盛ライン設定画面::DrawStationInCad(int s) { DrawStationSection(s, drawnHeight_, kCutFillErase); }

void 切盛ライン設定画面::面積表示ボタン_Click() {
    EndPickForLeaving();
    forms::Get<土坪画面>().Show();
    Hide();
}

void 切盛ライン設定画面::戻るボタン_Click() {
    EndPickForLeaving();
    forms::Get<面積計算選択画面>().Show();
    Hide();
}
