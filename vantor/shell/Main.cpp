#include "vantor/shell/Main.h"

#include "vantor/geometry/equations/方程式画面.h"
#include "vantor/geometry/profile/警告表示画面.h"
#include "vantor/model/bus/document_state.h"
#include "vantor/model/bus/station_tables.h"
#include "vantor/shell/親画面.h"

namespace 縦断bus {

void Main() {
    ketasuu = 2;
    xhyouji = 'v';
    yhyouji = 'v';
    for (int line = 0; line <= 15; ++line) {
        forms::Get<方程式画面>().方程式(line).SetFontSize(7);
        forms::Get<方程式画面>().区間(line).SetFontSize(7);
    }
    forms::Get<警告表示画面>().SetLeft(500);
    forms::Get<警告表示画面>().SetTop(600);
    shokitsuurubaa();
    shokiyoko();
    bukkujoutai = 0;
    koubaisetteiflg = 1;
    forms::Get<親画面>().E.SetEnabled(false);
    forms::Get<親画面>().Show();
}

void shokitsuurubaa() {
    static const struct {
        const char* key;
        bool enabled;
    } kFirstState[] = {
        {"新規", true},    {"開く", true},    {"保存", false},         {"行挿入", false}, {"行削除", false},
        {"縦断図", false}, {"関数式", false}, {"読込", false},         {"転送", false},   {"表示", false},
        {"非表示", false}, {"終了", true},    {"ｴｸｾﾙ画面入力", false},
    };
    forms::Toolbar& toolbar = forms::Get<親画面>().Toolbar1;
    for (const auto& b : kFirstState) toolbar.Buttons(b.key).SetEnabled(b.enabled);
}

// Every station row of the table, not only the first 200: a row left at 0 would later read
// as a given cross slope of 0 %.
void shokiyoko() {
    for (int row = 1; row <= 500; ++row)
        for (int col = 1; col <= 10; ++col) yokodata(row, col) = kEmpty;
}

} // namespace 縦断bus
