#include "vantor/geometry/rows/gyousakujo.h"

#include "platform/forms/msgbox.h"
#include "vantor/geometry/grid/hyoujitate.h"
#include "vantor/geometry/grid/入出力画面.h"
#include "vantor/geometry/rows/gyouidou.h"
#include "vantor/model/bus/profile_tables.h"
#include "vantor/model/document.h"

namespace 縦断bus {

std::string sakujokyohi(int gyou) {
    if (gyou < 1 || gyou > sokutensuu) return kSakujoGyouNashi;
    if (sokutensuu == 1) return kSakujoSaigo;
    return {};
}

std::string sakujogomoji(int gyou, int retsu) {
    // Row 500 has no row below it: what moves up is an empty row.
    if (gyou + 1 > tatedata.UBound(1)) return {};
    return GridCellText(tatedata(gyou + 1, retsu + 1));
}

void sakujogyou(int gyou) {
    sokutensuu -= 1;
    gyouwoageru(gyou, sokutensuu);
    gyouwokesu(sokutensuu + 1, "");
}

void gyousakujo() {
    入出力画面& screen = forms::Get<入出力画面>();
    forms::FlexGrid& grid = screen.グリッド;
    const int gyou = grid.Row(), retsu = grid.Col();
    const std::string kyohi = sakujokyohi(gyou);
    if (!kyohi.empty()) {
        forms::MsgBox(kyohi);
        return;
    }
    grid.SetText(sakujogomoji(gyou, retsu));
    screen.Text1.SetText(grid.Text());
    sakujogyou(gyou);
    MarkDocumentChanged();
    hyoujitate();
    if (gyou > sokutensuu) {
        grid.SetRow(sokutensuu);
        grid.SetCol(retsu);
        screen.Text1.SetText(grid.Text());
        screen.Text1.Move(grid.Left() + grid.CellLeft(), grid.Top() + grid.CellTop(), grid.CellWidth(),
                          grid.CellHeight());
    }
}

} // namespace 縦断bus
