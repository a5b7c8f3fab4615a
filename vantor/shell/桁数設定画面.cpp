#include "vantor/shell/桁数設定画面.h"

#include "platform/runtime/conversion.h"
#include "platform/runtime/number_text.h"
#include "vantor/geometry/grid/hyoujitate.h"
#include "vantor/geometry/profile/keisantate.h"
#include "vantor/geometry/profile/警告表示画面.h"
#include "vantor/model/bus/document_state.h"

namespace {
constexpr std::string_view kOnlyTwoOrThree = "表示桁数は 2 か 3 を選んでください。";
} // namespace

桁数設定画面::桁数設定画面() {
    設定ボタン.OnClick = [this] { 設定ボタン_Click(); };
}

void 桁数設定画面::Form_Load() {
    LayOut();
    桁コンボ.AddItem("2");
    桁コンボ.AddItem("3");
}

void 桁数設定画面::LayOut() {
    SetCaption("桁数設定画面");
    Move(0, 0, 3600, 2280);
    Frame1.SetCaption("計算結果の表示桁数");
    Frame1.Move(240, 120, 3000, 900);
    Label1.SetCaption("小数点以下");
    Label1.Move(180, 360, 1080, 300);
    桁コンボ.Move(1320, 300, 720, 300);
    Label2.SetCaption("桁");
    Label2.Move(2160, 360, 360, 300);
    設定ボタン.SetCaption("設定終了");
    設定ボタン.Move(1080, 1200, 1320, 420);
}

void 桁数設定画面::ShowSetting() {
    桁コンボ.SetText(rt::CStr(縦断bus::ketasuu));
    Show();
}

void 桁数設定画面::設定ボタン_Click() {
    // Only the two offered choices: anything else would round heights to a meaningless count.
    const std::string text = 桁コンボ.Text();
    const double decimals = rt::IsNumeric(text) ? rt::CDbl(text) : 0;
    if (decimals != 2 && decimals != 3) {
        forms::MsgBox(std::string(kOnlyTwoOrThree), forms::vbExclamation);
        return;
    }
    縦断bus::ketasuu = static_cast<int>(decimals);
    縦断bus::keisantate();
    縦断bus::hyoujitate();
    Hide();
    縦断bus::TellProfileStopped();
}
