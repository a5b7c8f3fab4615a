#pragma once
// The reference figures: how the dimensions of a planned section block and of an
// existing-ground section block are meant, one figure with its notes per tab. Draws nothing
// in the CAD and touches no data.
#include "platform/forms/forms.h"
#include "platform/forms/tab_strip.h"

#include <memory>
#include <string>
#include <vector>

class 参考図 : public forms::Form {
public:
    forms::Label Label1{*this};
    forms::TabStrip タブ{*this};
    forms::ControlArray<forms::PictureBox> 図{*this, 0, 1};
    forms::ControlArray<forms::Frame> 文字枠{*this, 0, 1};
    forms::Label Label2{文字枠(0)};
    forms::Label Label3{文字枠(0)};
    forms::Label Label5{文字枠(1)};
    forms::Label Label4{文字枠(1)};
    forms::CommandButton M戻るボタン{*this};

    参考図();

    void タブ_Click();
    void M戻るボタン_Click();

private:
    void Form_Load() override;
    void CloseBox_Click() override { M戻るボタン_Click(); }
    void LayOut();
    void DrawPlannedSection(forms::PictureBox& picture);
    void DrawExistingGround(forms::PictureBox& picture);
    // A text on a figure, placed in the figure's pixels.
    void Note(forms::PictureBox& picture, const std::string& text, double x, double y, double width);

    std::vector<std::unique_ptr<forms::Label>> notes_;
};
