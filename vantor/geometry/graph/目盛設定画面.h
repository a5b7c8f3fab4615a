#pragma once
// The scale settings of the profile graph: grid intervals in x and y and whether the x
// (vertical) and y (horizontal) grid lines are drawn.
#include "platform/forms/forms.h"
#include "platform/forms/frame.h"

#include <string>

class 目盛設定画面 : public forms::Form {
public:
    目盛設定画面();

    // The frames lie one inside the other on the screen; each option group has its own.
    forms::Frame 条件枠{*this};
    forms::Frame 間隔枠{*this};
    forms::Frame X間隔枠{*this};
    forms::Frame Y間隔枠{*this};
    forms::TextBox x間隔{X間隔枠};
    forms::TextBox Y間隔{Y間隔枠};
    forms::Frame 表示枠{*this};
    forms::Frame X表示枠{*this};
    forms::Frame Y表示枠{*this};
    forms::ControlArray<forms::OptionButton> x表示{X表示枠, {{0, "表示"}, {1, "非表示"}}};
    forms::ControlArray<forms::OptionButton> Y表示{Y表示枠, {{0, "表示"}, {1, "非表示"}}};
    forms::CommandButton 設定ボタン{*this};

    void x表示_Click(int index);
    void Y表示_Click(int index);
    void 設定ボタン_Click();

protected:
    void Form_Load() override;

private:
    void LayOut();
};

namespace 縦断bus {

inline constexpr int kSaidaiMemorisen = 10000; // grid lines an interval may give per axis
inline const std::string kMemoriZero = "目盛間隔には0より大きい数値を入力してください。";
inline const std::string kMemoriKomakasugi = "目盛間隔が小さすぎます。目盛線は10000本までです。";

// Why a grid interval over the grid range lower .. upper is refused, or the empty text.
// An interval that is not positive would repeat the same grid line without end; one that
// gives more lines than kSaidaiMemorisen would keep the drawing busy as long.
std::string memorikyohi(double interval, float lower, float upper);

} // namespace 縦断bus
