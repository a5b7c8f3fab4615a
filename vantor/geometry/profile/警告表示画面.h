#pragma once
// The warning screen: up to eight lines explaining why a vertical curve or the profile input
// was refused, a warning picture and an OK button.
#include "platform/forms/forms.h"

#include <functional>

class 警告表示画面 : public forms::Form {
public:
    forms::ControlArray<forms::Label> Label1{*this, 0, 7};
    forms::Image Image1{*this};
    forms::CommandButton Command1{*this};

    // What OK does after hiding the screen: the profile grid puts its editor back on the cell
    // that was stored last.
    std::function<void()> ReturnToEditor;

    警告表示画面();

private:
    void Form_Load() override;
    void LayOut();
    void Command1_Click();
    // Closing the warning is OK.
    void CloseBox_Click() override { Command1_Click(); }
};

namespace 縦断bus {

// For the commands that run the profile computation outside the grid: shows the warning
// screen when the last run stopped (keikokuflg = 1), with an OK that only closes it.
void TellProfileStopped();

} // namespace 縦断bus
