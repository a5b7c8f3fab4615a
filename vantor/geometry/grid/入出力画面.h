#pragma once
// The profile grid screen: one row per station with the values the user enters (station,
// ground height, reference planned height, curve length) and the ones the profile
// computation gives (planned height, cut, fill, gradient). A text box laid over the clicked
// cell edits it; losing the focus stores the cell and recomputes the profile.
#include "platform/forms/cell_editor.h"
#include "platform/forms/forms.h"

class 入出力画面 : public forms::Form {
public:
    forms::FlexGrid グリッド{*this};
    forms::TextBox Text1{*this};

    入出力画面();

    void グリッド_Click();
    // The store step, run when the editor loses the focus.
    void Text1_LostFocus();
    // hyoujitate has filled the grid again: the editor ends or is laid over its cell again.
    void GridRefilled();
    // OK on the warning screen: the editor goes back to the cell stored last.
    void ReturnEditorToStoredCell();

private:
    void Form_Load() override;
    void LayOut();
    void ShowWarning();

    forms::CellEditor editor_{グリッド, Text1};
    bool dismissingWarning_ = false;
};
