#pragma once
// The profile grid screen over a profile table of a few stations, and typing into its cells
// the way a user does: click the cell, type, leave it.
#include "../profile/profile_fixture.h"
#include "platform/forms/forms.h"
#include "platform/forms/script.h"
#include "tests/support/program_reset.h"
#include "tests/vantor/geometry/grid/grid_typing.h"
#include "vantor/geometry/grid/hyoujitate.h"
#include "vantor/geometry/grid/入出力画面.h"
#include "vantor/geometry/profile/keikoku.h"
#include "vantor/model/bus/profile_tables.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

namespace grid_test {

using profile_test::E;

class GridTest : public ::testing::Test {
protected:
    void SetUp() override {
        test_support::ResetProgram();
        縦断bus::keikokuflg = 0;
    }
    void TearDown() override { test_support::ResetProgram(); }

    // `rows` entered, then `empty` station rows with nothing in them.
    static void Load(std::initializer_list<profile_test::Row> rows, int empty = 0) {
        profile_test::LoadProfile(rows);
        縦断bus::sokutensuu += empty;
    }

    static 入出力画面& Screen() { return forms::Get<入出力画面>(); }
    static std::string Cell(int row, int col) { return Screen().グリッド.TextMatrix(row, col); }
    // What the user sees at a cell: the editor's text while it lies over the cell.
    static std::string Seen(int row, int col) {
        入出力画面& s = Screen();
        const bool editorOver = s.Text1.Visible() && s.グリッド.Row() == row && s.グリッド.Col() == col;
        return editorOver ? s.Text1.Text() : Cell(row, col);
    }

    // Clicks cell (row, col); the editor opens where the screen decides.
    static void Click(int row, int col) {
        Screen().グリッド.SetRow(row);
        Screen().グリッド.SetCol(col);
        Screen().グリッド_Click();
    }

    // Clicks the cell, types `text` into the editor and leaves it for the grid.
    static void Type(int row, int col, const std::string& text) { TypeIntoProfileGrid(row, col, text); }
};

} // namespace grid_test
