#pragma once
// The main window: a frame window with the program's menu bar and toolbar. Every menu item
// and toolbar button runs one command; the window itself keeps no state beyond what is enabled.
#include "platform/forms/forms.h"

class 親画面 : public forms::Form {
public:
    親画面();

    forms::Menu f{*this, "ファイル"};
    forms::ControlArray<forms::Menu> f1{
        f, {{0, "新規作成"}, {1, "開く"}, {2, "-"}, {3, "名前を付けて保存"}, {4, "-"}, {5, "終了"}}};
    forms::Menu i{*this, "各種画面"};
    forms::ControlArray<forms::Menu> i1{i, {{5, "表示桁数設定画面"}}};
    forms::Menu g{*this, "行制御"};
    forms::ControlArray<forms::Menu> g1{g, {{0, "行挿入"}, {1, "行削除"}}};
    forms::Menu E{*this, "Ｅｘｃｅｌ"};
    forms::Menu 入力{E, "入力"};
    forms::ControlArray<forms::Menu> E1{E, {{0, "読込"}, {1, "転送"}, {2, "-"}, {3, "表示"}, {4, "非表示"}}};
    forms::Menu lt{*this, "作図"};
    forms::Menu ヘルプ{*this, "ヘルプ"};
    forms::Menu バージョン{*this, "ﾊﾞｰｼﾞｮﾝ情報"};

    forms::ImageList ImageList1;
    forms::Toolbar Toolbar1{*this};
    forms::CommonDialog CommonDialog1{*this};

    void f1_Click(int Index);
    void i1_Click(int Index);
    void g1_Click(int Index);
    void 入力_Click();
    void E1_Click(int Index);
    void lt_Click();
    void ヘルプ_Click();
    void バージョン_Click();
    void Toolbar1_ButtonClick(forms::ToolbarButton& Button);

private:
    void Form_Load() override;
    bool SpreadsheetHeld();
    void ShowSpreadsheetForInput();
    void ShowSpreadsheetWindow(bool visible);
    void HideWaitScreen();
    void EnterDrawingPart();
    void Form_Unload(int& cancel) override;
};
