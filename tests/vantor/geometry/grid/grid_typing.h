#pragma once
// Typing into a cell of the profile grid the way a user does: click the cell, type into the
// editor that opens over it, and leave the editor for the grid, which stores the cell then.
#include "platform/forms/forms.h"
#include "vantor/geometry/grid/入出力画面.h"

#include <string>

namespace grid_test {

inline void TypeIntoProfileGrid(int row, int col, const std::string& text) {
    入出力画面& screen = forms::Get<入出力画面>();
    screen.グリッド.SetRow(row);
    screen.グリッド.SetCol(col);
    screen.グリッド_Click();
    screen.Text1.SetFocus();
    screen.Text1.SetText(text);
    screen.グリッド.SetFocus();
}

} // namespace grid_test
