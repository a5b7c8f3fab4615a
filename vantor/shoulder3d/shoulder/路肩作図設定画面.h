#pragma once
// The shoulder offset screen: per station the widths [m] of the offset lines L1..L4 on both
// sides of the centre line (rokatadata) in a nine-column grid edited by a text box laid over
// the clicked cell, the choice of the lines to draw with their pen colours, the document's
// 路肩ｼｰﾄ read and written, and the drawing of the chosen lines into the CAD. Opened from the
// drawing screen and unloaded by its own 戻る, so every opening rebuilds the grid.
#include "platform/forms/forms.h"

class 路肩作図設定画面 : public forms::Form {
public:
    forms::Toolbar Toolbar1{*this};
    forms::FlexGrid グリッド{*this};
    forms::TextBox Text1{*this};
    // Lines to draw: 0..3 L1..L4 left, 4..7 L1..L4 right; the caption takes the pen colour.
    forms::ControlArray<forms::CheckBox> LINEチェック{*this, 0, 7};

    路肩作図設定画面();

    // The station column from the profile's stations.
    void tateyokorokata();
    // Refills the grid from the table, with the curve-point labels of the station column.
    void keisanyokorokata();

    void Toolbar1_ButtonClick(forms::ToolbarButton& button);
    void グリッド_Click();
    void Text1_LostFocus();

    // The line drawers, each sending its line over the CAD channel.
    void sakuzu1L();
    void sakuzu2L();
    void sakuzu3L();
    void sakuzu4L();
    void sakuzu1R();
    void sakuzu2R();
    void sakuzu3R();
    void sakuzu4R();

private:
    void Form_Load() override;
    void LayOut();
    // The alignment, station list, profile and plan positions recomputed when an Open computed
    // the alignment; the widths keep to their stations and a changed list is told.
    void keisanipheimen();
    void FillRows();
    void ApplyCurveLabels();
    // Computes the offset points and draws the checked lines, each after its pen colour.
    void DrawCheckedLines();
    void penirosettei(int k);

    forms::CellEditor editor_{グリッド, Text1};
    float editRow_ = 0, editColumn_ = 0;
};
