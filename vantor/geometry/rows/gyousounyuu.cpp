#include "vantor/geometry/rows/gyousounyuu.h"

#include "platform/forms/msgbox.h"
#include "vantor/geometry/grid/hyoujitate.h"
#include "vantor/geometry/grid/入出力画面.h"
#include "vantor/geometry/rows/gyouidou.h"
#include "vantor/model/bus/profile_tables.h"
#include "vantor/model/document.h"

#include <algorithm>

namespace 縦断bus {

std::string sounyuukyohi(int) { return sokutensuu >= kSaidaiSokutensuu ? kSounyuuMantan : std::string(); }

void sounyuugyou(int gyou) {
    sokutensuu += 1;
    gyouwosageru(gyou, sokutensuu - 1);
    gyouwokesu(gyou, "未設定");
}

void gyousounyuu() {
    入出力画面& screen = forms::Get<入出力画面>();
    // Without station rows the grid's current row is its header row: insert the first row.
    const int gyou = std::clamp(screen.グリッド.Row(), 1, sokutensuu + 1);
    const std::string kyohi = sounyuukyohi(gyou);
    if (!kyohi.empty()) {
        forms::MsgBox(kyohi);
        return;
    }
    sounyuugyou(gyou);
    MarkDocumentChanged();
    screen.グリッド.SetText("");
    screen.Text1.SetText("");
    hyoujitate();
}

} // namespace 縦断bus
