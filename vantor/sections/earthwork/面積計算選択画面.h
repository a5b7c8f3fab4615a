#pragma once
// The area workflow menu: the existing-ground editor, the cut/fill line editor, the
// earthwork screen, or back to the cross-section drawing data. Unloaded after every choice.
#include "platform/forms/forms.h"

class 面積計算選択画面 : public forms::Form {
public:
    面積計算選択画面();

    forms::ControlArray<forms::CommandButton> 選択ボタン{
        *this, {{0, "現況横断座標値入力"}, {1, "切盛ライン座標値入力"}, {2, "面積計算"}, {3, "戻る"}}};

    void 選択ボタン_Click(int index);

private:
    void Form_Load() override;
    void LayOut();
};
