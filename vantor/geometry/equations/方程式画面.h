#pragma once
// The curve equations screen: one line per vertical curve with its parabola and the station
// range it covers; can write them below the station rows of the profile sheet.
#include "platform/forms/forms.h"

#include <string>
#include <vector>

inline const std::string kHouteishikiTensouDekinai = "縦断ｼｰﾄに関数式を書き込めません。";

class 方程式画面 : public forms::Form {
public:
    方程式画面();

    static constexpr int kGyousuu = 17; // equation lines on the screen

    forms::ControlArray<forms::Label> 方程式{*this, 0, kGyousuu - 1};
    forms::ControlArray<forms::Label> 区間{*this, 0, kGyousuu - 1};
    forms::CommandButton 転送{*this};
    forms::CommandButton 戻る{*this};

    // Shows the equation and range texts of curves 1 .. n (element k - 1 for curve k) and
    // hides the lines of an earlier, longer listing. Curves beyond the screen's lines are not
    // shown but are kept for the transfer to the sheet.
    void Houteishikiwooku(const std::vector<std::pair<std::string, std::string>>& curves);

    void 転送_Click();
    void 戻る_Click();

protected:
    void Form_Load() override;
    void LayOut();

private:
    // The texts of the last listing, as the transfer writes them.
    std::vector<std::pair<std::string, std::string>> curves_;
};
