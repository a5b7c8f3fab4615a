#pragma once
// The cross-section drawing data screen: per station the existing-ground and planned-section
// block names and the standard widths and slopes the planned block is drawn at, in a
// seven-column grid edited by a text box laid over the clicked cell. Grid cell (r, c) shows
// yokosakuzudata(r, c), but for a station not yet typed, which shows empty; the station column
// is not edited. Its toolbar leads to the planned-block correction, the drawing of all
// sections, the sheet 横断ｼｰﾄ (columns K-P) and back.
#include "platform/forms/forms.h"

class 横断図作図データー設定画面 : public forms::Form {
public:
    forms::Toolbar Toolbar1{*this};
    forms::FlexGrid グリッド{*this};
    forms::TextBox Text1{*this};

    横断図作図データー設定画面();

    void Toolbar1_ButtonClick(forms::ToolbarButton& button);
    void グリッド_Click();
    void Text1_LostFocus();
    // The grid shows the stations and yokosakuzudata as they are now; an open editor ends.
    void FillGrid();

private:
    void Form_Load() override;
    void CloseBox_Click() override;
    void 戻る();
    void LayOut();
    void FillTexts();
    void 転送();

    forms::CellEditor editor_{グリッド, Text1};
    float editRow_ = 0, editColumn_ = 0;
};
