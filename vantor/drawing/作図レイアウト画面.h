#pragma once
// The layout of the profile sheet's band table: the heights of bands 2 to 12 [cm] and the
// sizes of the sheet's texts, numbers and title [mm]. Loaded afresh at every show; 設定終了
// stores the values and unloads the screen; closing it otherwise stores nothing.
#include "platform/forms/forms.h"

#include <memory>
#include <vector>

#include <string>

class 作図レイアウト画面 : public forms::Form {
public:
    作図レイアウト画面();

    forms::Frame Frame1{*this};
    forms::Frame Frame2{static_cast<forms::Container&>(Frame1)};
    forms::Label Label1{Frame2};
    forms::Label Label2{Frame2};
    forms::ControlArray<forms::Label> 帯名{Frame2, 0, 10};
    forms::ControlArray<forms::TextBox> 項目幅{Frame2, 0, 10};
    forms::ControlArray<forms::Label> Label3{Frame1, 0, 1};
    forms::ControlArray<forms::TextBox> 文字サイズ{Frame1, 0, 1};
    forms::Label Label6{Frame1};
    forms::TextBox 大きさタイトル{Frame1};
    forms::CommandButton ボタン{*this};

    void ボタン_Click();

protected:
    void Form_Load() override;
    // Closing it is a cancel: nothing is stored, and the next show reads the values in force.
    void CloseBox_Click() override { Unload(); }

private:
    void LayOut();
    std::string Refusal() const;
    std::vector<std::unique_ptr<forms::Label>> units_;
};

namespace 縦断bus {

inline constexpr int kLayoutBandRows = 11; // rows 0..10 edit obitakasa 2..12
inline constexpr int kLargestTextSize = 32767;
inline const std::string kBandHeightRefusal = "帯の高さには0以上の数値を入力してください。";
inline const std::string kTextSizeRefusal =
    "文字・数字・タイトル文字の大きさには1から32767までの数値を入力してください。";

} // namespace 縦断bus
