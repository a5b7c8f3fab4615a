#include "vantor/shell/バージョン表示画面.h"

バージョン表示画面::バージョン表示画面() {
    Command1.OnClick = [this] { Command1_Click(); };
}

void バージョン表示画面::Form_Load() { LayOut(); }

void バージョン表示画面::LayOut() {
    SetCaption("バージョン情報");
    Move(0, 0, 5400, 3300);
    Frame1.Move(120, 60, 5040, 2280);
    Image1.Move(240, 360, 720, 720);
    Image1.SetStretch(true);
    Image1.SetPicture(forms::StockPicture(forms::picInformation));
    タイトル.SetCaption(forms::AppTitle() + "　道路縦断・平面・横断設計");
    タイトル.Move(1200, 300, 3600, 360);
    タイトル.SetFontBold(true);
    バージョン.SetCaption("version 1.00");
    バージョン.Move(1200, 720, 3600, 300);
    期間.SetCaption("2001 - 2003");
    期間.Move(1200, 1080, 3600, 300);
    説明.SetCaption("縦断曲線・平面線形・横断図の計算と作図");
    説明.Move(1200, 1440, 3600, 600);
    Command1.SetCaption("O　K");
    Command1.Move(2040, 2460, 1320, 420);
}

void バージョン表示画面::Command1_Click() { Unload(); }
