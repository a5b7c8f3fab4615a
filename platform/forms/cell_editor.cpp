#include "platform/forms/cell_editor.h"

namespace forms {

CellEditor::CellEditor(FlexGrid& grid, TextBox& box) : grid_(grid), box_(box) {
    box_.OnChange = [this] { grid_.SetText(box_.Text()); };
    box_.OnLostFocus = [this] {
        if (OnStore) OnStore();
    };
    grid_.OnScroll = [this] { box_.SetVisible(false); };
}

void CellEditor::Open(bool takeFocus) {
    if (!box_.Visible()) box_.SetVisible(true);
    box_.SetText(grid_.Text());
    // What the user types replaces the cell's text, a placeholder such as "幅未入力" too.
    box_.SelectAll();
    box_.Move(grid_.Left() + grid_.CellLeft() + dx_, grid_.Top() + grid_.CellTop() + dy_, grid_.CellWidth(),
              grid_.CellHeight());
    box_.ZOrder(0);
    if (takeFocus) box_.SetFocus();
}

void CellEditor::Refilled(int row, int col) {
    if (!box_.Visible()) return;
    const bool onGrid =
        row >= grid_.FixedRows() && row < grid_.Rows() && col >= grid_.FixedCols() && col < grid_.Cols();
    if (box_.HasFocus() && onGrid) {
        grid_.SetRow(row);
        grid_.SetCol(col);
        Open(true);
        return;
    }
    box_.SetVisible(false);
}

} // namespace forms
