#pragma once
// The plan options screen: which parts the plan drawing draws (centre line, road edges,
// station labels) and the button that draws them. The boxes keep their state while the
// screen lives, hidden or shown; the plan drawing reads them directly.
#include "platform/forms/forms.h"

class 作図選択画面 : public forms::Form {
public:
    forms::Frame Frame1{*this};
    forms::ControlArray<forms::CheckBox> 作図ボタン{Frame1, 0, 2};
    forms::CommandButton 作図{*this};
    forms::CommandButton 戻るボタン{*this};

    作図選択画面();

    // Draws the plan with the chosen parts; the screen stays for another drawing.
    void 作図_Click();
    void 戻るボタン_Click();

private:
    void Form_Load() override;
    void LayOut();
};
