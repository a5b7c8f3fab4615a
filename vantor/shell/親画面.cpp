#include "vantor/shell/親画面.h"

namespace {

struct ButtonDesign {
    const char* key;
    const char* caption;
    const char* toolTip;
    int picture;
};

// The toolbar's thirteen buttons in order; the key equals the caption except for Ｅ画面.
constexpr ButtonDesign kButtons[] = {
    {"新規", "新規", "新規に縦断計算をする。", forms::picNew},
    {"開く", "開く", "すでに登録してあるファイルを読み込む。", forms::picOpen},
    {"保存", "保存", "名前を付けて保存する。", forms::picSave},
    {"行挿入", "行挿入", "選択したところに行を挿入する。", forms::picInsertRow},
    {"行削除", "行削除", "選択したところの行を削除する。", forms::picDeleteRow},
    {"縦断図", "縦断図", "縦断図を表示する。", forms::picGraph},
    {"関数式", "関数式", "縦断曲線の関数式を表示する。", forms::picFormula},
    {"ｴｸｾﾙ画面入力", "Ｅ画面", "ﾃﾞｰﾀｰの入力をエクセルシートにします。", forms::picSheetInput},
    {"読込", "読込", "エクセルのワークシートを読み込む。", forms::picRead},
    {"転送", "転送", "エクセルのワークシートにデーターを転送する。", forms::picSend},
    {"表示", "表示", "エクセルのワークシートを表示する。", forms::picShow},
    {"非表示", "非表示", "エクセルのワークシートを非表示にする。", forms::picHide},
    {"終了", "終了", "プログラムを終了する。", forms::picExit},
};

} // namespace

親画面::親画面() : forms::Form(forms::FormKind::Mdi) {
    SetCaption(forms::AppTitle());
    CommonDialog1.SetHelpFile("ZEDORODADU");

    for (const ButtonDesign& b : kButtons) ImageList1.Add(b.key, forms::StockPicture(b.picture));
    Toolbar1.SetImageList(ImageList1);
    for (const ButtonDesign& b : kButtons) Toolbar1.AddButton(b.key, b.caption, b.toolTip, b.key);

    f1(3).SetEnabled(false);
    g1(0).SetEnabled(false);
    g1(1).SetEnabled(false);
    for (int index : {0, 1, 3, 4}) E1(index).SetEnabled(false);

    f1.OnClick = [this](int index) { f1_Click(index); };
    i1.OnClick = [this](int index) { i1_Click(index); };
    g1.OnClick = [this](int index) { g1_Click(index); };
    入力.OnClick = [this] { 入力_Click(); };
    E1.OnClick = [this](int index) { E1_Click(index); };
    lt.OnClick = [this] { lt_Click(); };
    ヘルプ.OnClick = [this] { ヘルプ_Click(); };
    バージョン.OnClick = [this] { バージョン_Click(); };
    Toolbar1.OnButtonClick = [this](forms::ToolbarButton& button) { Toolbar1_ButtonClick(button); };
}

void 親画面::Form_Load() { Move(600, 600, 15000, 10500); }

// Closing the main window is the same as ファイル/終了.
void 親画面::Form_Unload(int& /*cancel*/) { f1_Click(5); }

// The commands behind the menus and the toolbar.
void 親画面::f1_Click(int /*Index*/) {}
void 親画面::i1_Click(int /*Index*/) {}
void 親画面::g1_Click(int /*Index*/) {}
void 親画面::入力_Click() {}
void 親画面::E1_Click(int /*Index*/) {}
void 親画面::lt_Click() {}
void 親画面::ヘルプ_Click() {}
void 親画面::バージョン_Click() {}
void 親画面::Toolbar1_ButtonClick(forms::ToolbarButton& /*Button*/) {}
