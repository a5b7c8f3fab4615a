#pragma once
// The IP input screen in a clean run, with helpers to fill and click its grid and to put
// scripted CAD controls on it.
#include "tests/vantor/drawing/drawing_fixture.h"
#include "tests/vantor/pellix/scripted_pellix.h"
#include "vantor/geometry/ip_input/IP入力画面.h"
#include "vantor/model/sheets/ip_sheet.h"

#include <array>
#include <string>
#include <utility>
#include <vector>

namespace ip_input_test {

using Row = std::array<std::string, 3>; // X, Y, radius as the grid shows them [m]

class IpInputTest : public drawing_test::DrawingTest {
protected:
    static IP入力画面& Screen() { return forms::Get<IP入力画面>(); }
    // The screen's two controls replaced by scripted ones: {Pellix1, Pellix2}.
    static std::pair<pellix_test::ScriptedPellix&, pellix_test::ScriptedPellix&> ScriptedControls() {
        return pellix_test::ScriptTwoControls(Screen());
    }

    // Rows from row 1 on; every other point row emptied.
    static void Fill(const std::vector<Row>& rows) {
        for (int r = 1; r <= IP入力画面::kPointRows; ++r)
            for (int c = 0; c < 3; ++c)
                Screen().グリッド.SetTextMatrix(r, c, r <= static_cast<int>(rows.size()) ? rows[r - 1][c] : "");
    }
    static std::vector<Row> Rows(int first, int last) {
        std::vector<Row> rows;
        for (int r = first; r <= last; ++r)
            rows.push_back({Screen().グリッド.TextMatrix(r, 0), Screen().グリッド.TextMatrix(r, 1),
                            Screen().グリッド.TextMatrix(r, 2)});
        return rows;
    }
    static void Click(int row, int column) {
        Screen().グリッド.SetRow(row);
        Screen().グリッド.SetCol(column);
        Screen().グリッド.OnClick();
    }
    static void Press(const std::string& key) { Screen().Toolbar1_ButtonClick(Screen().Toolbar1.Buttons(key)); }
};

} // namespace ip_input_test
