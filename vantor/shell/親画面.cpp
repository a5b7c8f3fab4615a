#include "vantor/shell/親画面.h"

#include "vantor/drawing/AutoCad設定画面.h"
#include "vantor/drawing/作図画面.h"
#include "vantor/geometry/rows/gyousakujo.h"
#include "vantor/geometry/rows/gyousounyuu.h"
#include "vantor/geometry/equations/hyoujihouteishiki.h"
#include "vantor/geometry/grid/hyoujitate.h"
#include "vantor/geometry/grid/kazoetate.h"
#include "vantor/geometry/profile/keikoku.h"
#include "vantor/geometry/graph/keisangurafu.h"
#include "vantor/geometry/profile/keisantate.h"
#include "vantor/geometry/profile/警告表示画面.h"
#include "vantor/model/document.h"
#include "vantor/model/main_window.h"
#include "vantor/shell/lifecycle/document_lifecycle.h"
#include "vantor/shell/lifecycle/main_window_states.h"
#include "vantor/model/sheets/profile_sheet.h"
#include "vantor/model/sheet_messages.h"
#include "vantor/shell/バージョン表示画面.h"
#include "vantor/shell/待表示.h"
#include "vantor/shell/桁数設定画面.h"

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

// The profile sheet rewritten from the table, and what that makes usable.
void TransferProfile() {
    if (縦断bus::tensoutate()) 縦断bus::EnableAfterProfileWritten();
}

} // namespace

親画面::親画面() : forms::Form(forms::FormKind::Mdi) {
    SetCaption(forms::AppTitle());
    // The help document is installed beside the program.
    CommonDialog1.SetHelpFile(forms::AppPath() + "/ZEDORODADU.html");

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

// Maximised, so that the screens have the whole desktop for the workspace; restored, it
// takes the place and size below.
void 親画面::Form_Load() {
    Move(600, 600, 15000, 10500);
    SetWindowState(forms::vbMaximized);
    縦断bus::main_window::Set(*this);
}

// Closing the main window is the same as ファイル/終了; the window stays when the user cancels.
void 親画面::Form_Unload(int& cancel) {
    if (!縦断bus::shuuryou()) cancel = 1;
}

// The commands behind the menus and the toolbar.
void 親画面::f1_Click(int Index) {
    switch (Index) {
    case 0: 縦断bus::shinki(); break;
    case 1: 縦断bus::hiraku(); break;
    case 3: 縦断bus::hozon(); break;
    case 5: 縦断bus::shuuryou(); break;
    default: break;
    }
}

void 親画面::i1_Click(int Index) {
    if (Index == 5) forms::Get<桁数設定画面>().ShowSetting();
}

void 親画面::g1_Click(int Index) {
    if (Index == 0) 縦断bus::gyousounyuu();
    if (Index == 1) 縦断bus::gyousakujo();
}

void 親画面::入力_Click() { ShowSpreadsheetForInput(); }

void 親画面::E1_Click(int Index) {
    switch (Index) {
    case 0: 縦断bus::yomikomi(); break;
    case 1: TransferProfile(); break;
    case 3: ShowSpreadsheetWindow(true); break;
    case 4: ShowSpreadsheetWindow(false); break;
    default: return;
    }
    HideWaitScreen();
}

void 親画面::lt_Click() { EnterDrawingPart(); }

void 親画面::ヘルプ_Click() { CommonDialog1.ShowHelp(); }

void 親画面::バージョン_Click() { forms::Get<バージョン表示画面>().Show(); }

void 親画面::Toolbar1_ButtonClick(forms::ToolbarButton& Button) {
    const std::string& key = Button.Key();
    if (key == "新規") {
        縦断bus::shinki();
    } else if (key == "開く") {
        縦断bus::hiraku();
    } else if (key == "保存") {
        縦断bus::hozon();
    } else if (key == "終了") {
        縦断bus::shuuryou();
    } else if (key == "行挿入") {
        縦断bus::gyousounyuu();
    } else if (key == "行削除") {
        縦断bus::gyousakujo();
    } else if (key == "縦断図") {
        縦断bus::kazoetate();
        // A profile that stopped has no planned line to draw: the grid shows it emptied and
        // the warning says why.
        if (縦断bus::keisantate() == 縦断bus::ProfileOutcome::Stopped) {
            縦断bus::hyoujitate();
            縦断bus::TellProfileStopped();
            return;
        }
        縦断bus::keisangurafu();
    } else if (key == "関数式") {
        縦断bus::kazoetate();
        g1(1).SetEnabled(true);
        縦断bus::hyoujihouteishiki();
    } else if (key == "ｴｸｾﾙ画面入力") {
        ShowSpreadsheetForInput();
    } else if (key == "読込") {
        縦断bus::yomikomi();
    } else if (key == "転送") {
        縦断bus::kazoetate();
        TransferProfile();
        if (!SpreadsheetHeld()) return;
        縦断bus::xlbook->Application()->SetVisible(true);
        Toolbar1.Buttons("読込").SetEnabled(true);
    } else if (key == "表示") {
        // The window may have been hidden by the menu's 非表示: show it as well.
        ShowSpreadsheetWindow(true);
    } else if (key == "非表示") {
        if (!SpreadsheetHeld()) return;
        縦断bus::xlbook->Application()->SetVisible(false);
    }
}

// The spreadsheet commands need the document workbook; without one the user is told so.
bool 親画面::SpreadsheetHeld() {
    if (縦断bus::HasDocument()) return true;
    縦断bus::sheet_messages::Tell(縦断bus::sheet_messages::kNoWorkbook);
    return false;
}

// The spreadsheet made visible for typing the data there; read back with 読込.
void 親画面::ShowSpreadsheetForInput() {
    if (!SpreadsheetHeld()) return;
    縦断bus::xlbook->Application()->SetVisible(true);
    forms::Unload<待表示>();
    E1(0).SetEnabled(true);
    Toolbar1.Buttons("読込").SetEnabled(true);
}

// The spreadsheet's window and the spreadsheet itself shown or hidden together.
void 親画面::ShowSpreadsheetWindow(bool visible) {
    if (!SpreadsheetHeld()) return;
    auto application = 縦断bus::xlbook->Parent();
    application->Windows(1)->SetVisible(visible);
    application->SetVisible(visible);
    if (!visible) return;
    E1(4).SetEnabled(true);
    Toolbar1.Buttons("非表示").SetEnabled(true);
}

void 親画面::HideWaitScreen() {
    if (forms::IsLoaded<待表示>()) forms::Get<待表示>().Hide();
}

// The drawing screen when a CAD runs; otherwise the screen where the user starts one.
void 親画面::EnterDrawingPart() {
    AutoCad設定画面& start = forms::Get<AutoCad設定画面>();
    if (start.Pellix1().GetExecutMax() == 0) {
        start.Show();
        return;
    }
    forms::Get<作図画面>().Show();
    SetWindowState(forms::vbMinimized);
}
