#pragma once
// The cross-slope screen: per station the widths and reference slopes of both sides, and the
// cross slopes and shoulder heights interpolated from them, in a ten-column grid edited by a
// text box laid over the clicked cell. Grid column c - 1 shows yokodata column c.
#include "platform/forms/forms.h"

#include <memory>
#include <string>
#include <vector>

class 横断勾配入力画面 : public forms::Form {
public:
    forms::Toolbar Toolbar1{*this};
    forms::FlexGrid グリッド{*this};
    forms::TextBox Text1{*this};
    forms::Label 注意{*this}; // what the last interpolation could not do
    forms::Frame 窓{*this};
    forms::ControlArray<forms::TextBox> 幅{窓, 0, 1};
    forms::ControlArray<forms::CommandButton> 幅員ボタン{窓, {{0, "設定"}, {1, "ｷｬﾝｾﾙ"}}};

    横断勾配入力画面();

    void Toolbar1_ButtonClick(forms::ToolbarButton& button);
    void グリッド_Click();
    void Text1_LostFocus();
    void 幅員ボタン_Click(int index);

    // Shows the notice of the last interpolation (hidden when empty).
    void ShowNotice(const std::string& text);

private:
    void Form_Load() override;
    void LayOut();

    forms::CellEditor editor_{グリッド, Text1};
    float editRow_ = 0, editColumn_ = 0;
    std::vector<std::unique_ptr<forms::Label>> captions_;
};
