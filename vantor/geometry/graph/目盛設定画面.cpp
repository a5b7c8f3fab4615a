#include "vantor/geometry/graph/目盛設定画面.h"

#include "platform/runtime/conversion.h"
#include "vantor/geometry/graph/keisangurafu.h"
#include "vantor/model/bus/document_state.h"
#include "vantor/model/bus/profile_graph_tables.h"

namespace 縦断bus {

std::string memorikyohi(double interval, float lower, float upper) {
    if (!(interval > 0)) return kMemoriZero;
    if ((static_cast<double>(upper) - lower) / interval > kSaidaiMemorisen) return kMemoriKomakasugi;
    return {};
}

} // namespace 縦断bus

using namespace 縦断bus;

目盛設定画面::目盛設定画面() {
    x表示.OnClick = [this](int index) { x表示_Click(index); };
    Y表示.OnClick = [this](int index) { Y表示_Click(index); };
    設定ボタン.OnClick = [this] { 設定ボタン_Click(); };
}

void 目盛設定画面::LayOut() {
    SetCaption("目盛設定画面");
    Move(0, 0, 4800, 3900);
    条件枠.SetCaption("目盛の条件設定");
    条件枠.Move(120, 120, 4440, 2520);
    間隔枠.SetCaption("目盛間隔　（ｍ）");
    間隔枠.Move(240, 420, 2040, 2040);
    X間隔枠.SetCaption("X目盛");
    X間隔枠.Move(360, 720, 1800, 780);
    x間隔.Move(120, 300, 1560, 330);
    Y間隔枠.SetCaption("Y目盛");
    Y間隔枠.Move(360, 1560, 1800, 780);
    Y間隔.Move(120, 300, 1560, 330);
    表示枠.SetCaption("表示選択");
    表示枠.Move(2400, 420, 2040, 2040);
    X表示枠.SetCaption("X目盛");
    X表示枠.Move(2520, 720, 1800, 780);
    Y表示枠.SetCaption("Ｙ目盛");
    Y表示枠.Move(2520, 1560, 1800, 780);
    for (auto* group : {&x表示, &Y表示}) {
        (*group)(0).Move(120, 300, 780, 330);
        (*group)(1).Move(900, 300, 840, 330);
    }
    設定ボタン.SetCaption("設定終了");
    設定ボタン.Move(1680, 2760, 1440, 450);
}

void 目盛設定画面::Form_Load() {
    LayOut();
    x間隔.SetText(rt::Str(xmemori));
    Y間隔.SetText(rt::Str(ymemori));
    x表示(0).SetValue(true);
    Y表示(0).SetValue(true);
}

void 目盛設定画面::x表示_Click(int index) { xhyouji = index == 0 ? 'v' : 's'; }

void 目盛設定画面::Y表示_Click(int index) { yhyouji = index == 0 ? 'v' : 's'; }

void 目盛設定画面::設定ボタン_Click() {
    const double x = rt::Val(x間隔.Text()), y = rt::Val(Y間隔.Text());
    std::string refusal = memorikyohi(x, memorixmin, memorixmax);
    if (refusal.empty()) refusal = memorikyohi(y, memoriymin, memoriymax);
    if (!refusal.empty()) {
        forms::MsgBox(refusal);
        return;
    }
    xmemori = static_cast<float>(x);
    ymemori = static_cast<float>(y);
    sakuzugurafu();
    Hide();
}
