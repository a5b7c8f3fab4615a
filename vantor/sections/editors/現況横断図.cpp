#include "vantor/sections/editors/現況横断図.h"

#include "platform/runtime/number_text.h"
#include "vantor/drawing/channel/cad_channel.h"
#include "vantor/model/bus/profile_tables.h"
#include "vantor/model/bus/station_tables.h"
#include "vantor/sections/earthwork/面積計算選択画面.h"
#include "vantor/sections/editors/existing_ground_view.h"
#include "vantor/sections/editors/切盛ライン設定画面.h"

using namespace 縦断bus;

現況横断図::現況横断図() : SectionPointEditor(ExistingGround(), {"現況横断入力画面", "受　信", "読 込", "転 送"}) {
    切盛ボタン.OnClick = [this] { 切盛ボタン_Click(); };
    Command1.OnClick = [this] { Command1_Click(); };
}

void 現況横断図::LayOutOwnButtons(int left, int top) {
    切盛ボタン.SetCaption("切盛");
    切盛ボタン.Move(left, top, 1500, 420);
    Command1.SetCaption("戻る");
    Command1.Move(left + 3240, top, 1500, 420);
}

void 現況横断図::DrawStationInCad(int s) {
    if (!cad_channel::IsTypableBlockName(yokosakuzudata(s, sakuzu_col::kGroundBlock))) {
        Tell("測点 " + rt::CStr(tatedata(s, tate_col::kStation)) +
             " の現況ブロック名がないため、CAD に表示できません。");
        return;
    }
    cad_channel::RunDrawing([s] { sounyuugenkyoublock(s); });
}

void 現況横断図::切盛ボタン_Click() {
    EndPickForLeaving();
    forms::Get<切盛ライン設定画面>().Open();
    Hide();
}

void 現況横断図::Command1_Click() {
    forms::Get<面積計算選択画面>().Show();
    Unload();
}
