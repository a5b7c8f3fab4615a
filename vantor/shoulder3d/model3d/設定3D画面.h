#pragma once
// The 3D settings screen: the datum height DL, the lines the model run adds (width lines at
// every sub-point or at the stations, height lines, the plan projection) and the start of the
// run; after a run a second frame offers the same lines again, drawn from the model in memory.
// The screen is only shown and hidden, so every box keeps its state while the program runs.
#include "platform/forms/forms.h"

class 設定3D画面 : public forms::Form {
public:
    forms::Frame 窓3D{*this};
    forms::Label Label11{窓3D};
    forms::TextBox DL{窓3D};
    forms::Label Label12{窓3D};
    forms::CommandButton D3ボタン{窓3D};
    forms::CommandButton 戻りボタン{窓3D};

    forms::Frame Frame5{*this};
    forms::Frame Frame6{static_cast<forms::Container&>(Frame5)};
    forms::ControlArray<forms::OptionButton> 幅員op{Frame6, 0, 1};
    forms::Frame Frame7{static_cast<forms::Container&>(Frame5)};
    forms::CheckBox 高さチェック{Frame7};
    forms::CheckBox 投影チェック{Frame7};

    forms::Frame 追加窓{*this};
    forms::ControlArray<forms::CheckBox> 追加選択チェックボタン{追加窓, 0, 3};
    forms::CommandButton 追加作図開始ボタン{追加窓};
    forms::CommandButton Command1{追加窓};

    設定3D画面();

    // 作図開始: asks for DL when it is empty; otherwise the model run, and once it has drawn,
    // the frame of additional lines.
    void D3ボタン_Click();
    // 追加作図開始: the checked additional lines, in the order of the boxes.
    void 追加作図開始ボタン_Click();
    void Command1_Click();
    void 戻りボタン_Click();

private:
    void Form_Load() override;
    void LayOut();
    // Shows or hides the frame of additional lines; the screen's height follows.
    void ShowExtras(bool show);
};
