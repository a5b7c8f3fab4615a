#pragma once
// The version screen: the program's title, version and a few lines about it.
#include "platform/forms/forms.h"
#include "platform/forms/frame.h"

class バージョン表示画面 : public forms::Form {
public:
    forms::Frame Frame1{*this};
    forms::Image Image1{Frame1};
    forms::Label タイトル{Frame1};
    forms::Label バージョン{Frame1};
    forms::Label 期間{Frame1};
    forms::Label 説明{Frame1};
    forms::CommandButton Command1{*this};

    バージョン表示画面();

private:
    void Form_Load() override;
    void LayOut();
    void Command1_Click();
};
