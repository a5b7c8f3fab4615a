#pragma once
// The wait screen: a short message and a picture while the document is being made, read or
// saved; after a save, the choice to go on working or to end the program.
#include "platform/forms/forms.h"

class 待表示 : public forms::Form {
public:
    forms::Label 休み{*this};
    forms::PictureBox 寝る{*this};
    forms::Image 起きる{*this};
    forms::CommandButton 継続ボタン{*this};
    forms::CommandButton 終了ボタン{*this};

    待表示();

    void 継続ボタン_Click();
    void 終了ボタン_Click();

    // Shows the screen with `caption`; while `working` the message and the sleeping picture
    // are shown, otherwise both are hidden.
    void ShowState(const std::string& caption, bool working);

private:
    void Form_Load() override;
    void LayOut();
    void FitCaption();
};
