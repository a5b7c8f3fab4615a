#pragma once
// The in-cell editor of a grid screen: one text box laid over the grid's current cell with the
// cell's text and size. Every change of the box is copied into the cell, scrolling the grid
// hides the box, and the box losing the focus calls OnStore (where the screen stores the row).
// The editor takes over the box's Change and LostFocus and the grid's Scroll; the box and the
// grid must share a container.
#include "platform/forms/flex_grid.h"
#include "platform/forms/text_box.h"

namespace forms {

class CellEditor {
public:
    CellEditor(FlexGrid& grid, TextBox& box);
    CellEditor(const CellEditor&) = delete;
    CellEditor& operator=(const CellEditor&) = delete;

    // Lays the box over the current cell, shifted by the screen's own offset (twips), with
    // the cell's text selected.
    void Open(bool takeFocus = true);
    // The grid was filled again: the box no longer shows the cell's text. While it holds the
    // focus and cell (row, col) is still on the grid, it is laid over that cell again with the
    // cell's new text; otherwise it is put away.
    void Refilled(int row, int col);
    void SetOffset(double dx, double dy) {
        dx_ = dx;
        dy_ = dy;
    }

    std::function<void()> OnStore;

private:
    FlexGrid& grid_;
    TextBox& box_;
    double dx_ = 0, dy_ = 0;
};

} // namespace forms
