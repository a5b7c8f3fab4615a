#pragma once
// The pen colour screen of the shoulder lines: one tab page per line (左L1..左L4, 右L1..右L4),
// each with the eight colour options of that line. Created on first use and only hidden by
// its return button, so the choices last the run.
#include "platform/forms/forms.h"
#include "platform/forms/tab_strip.h"

#include <memory>
#include <string_view>
#include <vector>

class 色設定画面 : public forms::Form {
public:
    forms::TabStrip タブ図面{*this};
    forms::ControlArray<forms::PictureBox> 絵{*this, 0, 7};
    forms::CommandButton Command1{*this};

    色設定画面();

    // Option `index` = line × 8 + colour (0..63).
    forms::OptionButton& OC(int index) const;

    // The CAD colour name chosen for line k (0..7); "Bylayer" when none is chosen.
    std::string_view CadColour(int line) const;
    // The chosen colour of line k as its box on the shoulder screen shows it.
    long BoxColour(int line) const;

    void タブ図面_Click();
    void OC_Click(int index);
    void Command1_Click();

private:
    void Form_Load() override;
    void LayOut();
    int ChosenColour(int line) const; // 0..7, or -1 when none is chosen

    std::vector<std::unique_ptr<forms::Frame>> penFrames_;
    std::vector<std::unique_ptr<forms::OptionButton>> options_;
};
