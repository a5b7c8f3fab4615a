#pragma once
// The decimal-places screen: how many decimals (2 or 3) computed heights and distances get.
#include "platform/forms/forms.h"
#include "platform/forms/frame.h"
#include "platform/forms/list_controls.h"

class 桁数設定画面 : public forms::Form {
public:
    forms::Frame Frame1{*this};
    forms::Label Label1{Frame1};
    forms::ComboBox 桁コンボ{Frame1};
    forms::Label Label2{Frame1};
    forms::CommandButton 設定ボタン{*this};

    桁数設定画面();

    // Shows the screen with the current number of decimals chosen.
    void ShowSetting();

private:
    void Form_Load() override;
    void LayOut();
    void 設定ボタン_Click();
};
