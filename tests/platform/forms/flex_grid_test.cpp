#include "platform/forms/forms.h"
#include "tests/platform/forms/grid_click.h"

#include <gtest/gtest.h>

namespace {

using namespace forms;

class 表画面 : public Form {
public:
    FlexGrid グリッド{*this};
};

class FlexGridTest : public ::testing::Test {
protected:
    void TearDown() override { UnloadAll(); }
    FlexGrid& grid = Get<表画面>().グリッド;

    // A 400 x 266 px grid of equal cells (twips), without a fixed column.
    void LayOut(int rows, int cols, int width, int height) {
        grid.Move(0, 0, 6000, 4000);
        grid.SetRows(rows);
        grid.SetCols(cols);
        grid.SetFixedCols(0);
        grid.SetColWidth(-1, width);
        grid.SetRowHeight(-1, height);
    }
};

int ErrorNumberOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const rt::Error& e) {
        return e.Number();
    }
    return 0;
}

TEST_F(FlexGridTest, TextIsTheCurrentCellOfTextMatrix) {
    grid.SetRows(5);
    grid.SetCols(3);
    grid.SetTextMatrix(2, 1, "12.5");
    grid.SetRow(2);
    grid.SetCol(1);
    EXPECT_EQ(grid.Text(), "12.5");
    grid.SetText("abc");
    EXPECT_EQ(grid.TextMatrix(2, 1), "abc");
    grid.SetCol(2);
    EXPECT_EQ(grid.Text(), "");
    // Growing keeps what the cells hold; shrinking moves the current cell inside.
    grid.SetRows(10);
    EXPECT_EQ(grid.TextMatrix(2, 1), "abc");
    grid.SetRow(9);
    grid.SetRows(4);
    EXPECT_EQ(grid.Row(), 3);
}

TEST_F(FlexGridTest, IndexMinusOneSetsEveryColumnOrRow) {
    grid.SetRows(4);
    grid.SetCols(8);
    grid.SetColWidth(-1, 1380);
    grid.SetColWidth(0, 1580);
    grid.SetColWidth(7, 1750);
    grid.SetRowHeight(-1, 500);
    EXPECT_EQ(grid.ColWidth(0), 1580);
    for (int c = 1; c <= 6; ++c) EXPECT_EQ(grid.ColWidth(c), 1380);
    EXPECT_EQ(grid.ColWidth(7), 1750);
    for (int r = 0; r < 4; ++r) EXPECT_EQ(grid.RowHeight(r), 500);
}

TEST_F(FlexGridTest, CellGeometryInTwipsFollowsFixedPartsAndScrolling) {
    grid.SetRows(51);
    grid.SetCols(3);
    grid.SetFixedCols(0);
    grid.SetColWidth(-1, 1045);
    grid.SetRowHeight(-1, 450);
    grid.SetRowHeight(0, 300);
    grid.SetRow(3);
    grid.SetCol(2);
    EXPECT_EQ(grid.CellLeft(), 2 * 1045);
    EXPECT_EQ(grid.CellTop(), 300 + 2 * 450);
    EXPECT_EQ(grid.CellWidth(), 1045);
    EXPECT_EQ(grid.CellHeight(), 450);

    int scrolls = 0;
    grid.OnScroll = [&] { ++scrolls; };
    grid.SetTopRow(2); // row 1 scrolled out of view under the fixed header row
    EXPECT_EQ(scrolls, 1);
    EXPECT_EQ(grid.CellTop(), 300 + 450);
    grid.SetRow(0); // fixed rows stay in place
    EXPECT_EQ(grid.CellTop(), 0);
}

TEST_F(FlexGridTest, IndexesOutsideTheGridRaiseTheSubscriptError) {
    grid.SetRows(3);
    grid.SetCols(2);
    EXPECT_EQ(ErrorNumberOf([&] { grid.TextMatrix(3, 0); }), rt::errSubscript);
    EXPECT_EQ(ErrorNumberOf([&] { grid.SetTextMatrix(0, -1, "x"); }), rt::errSubscript);
    EXPECT_EQ(ErrorNumberOf([&] { grid.SetRow(5); }), rt::errSubscript);
    EXPECT_EQ(ErrorNumberOf([&] { grid.ColWidth(-1); }), rt::errSubscript);
    EXPECT_EQ(ErrorNumberOf([&] { grid.SetFixedRows(3); }), rt::errSubscript);
}

TEST_F(FlexGridTest, ClickMakesTheClickedCellCurrentBeforeClickFires) {
    LayOut(10, 3, 1500, 300); // 100 x 20 px cells
    int row = -1, col = -1;
    grid.OnClick = [&] {
        row = grid.Row();
        col = grid.Col();
    };
    ClickGridAt(grid, 150, 45);
    EXPECT_EQ(row, 2);
    EXPECT_EQ(col, 1);
    // A click on the fixed header row leaves the current cell where it was.
    ClickGridAt(grid, 20, 5);
    EXPECT_EQ(row, 2);
    EXPECT_EQ(col, 1);
}

// A control laid over the current cell by CellLeft/CellTop (twips) must cover the cell as it
// is painted and clicked, also with sizes that are no whole number of pixels and with the
// columns scrolled when there is no fixed column.
TEST_F(FlexGridTest, CellsArePaintedWhereTheirTwipsPositionSays) {
    LayOut(30, 6, 2000, 500); // 133.3 x 33.3 px cells
    grid.SetLeftCol(2);
    for (const auto& [row, col] : {std::pair{6, 3}, std::pair{3, 2}}) {
        grid.SetRow(row);
        grid.SetCol(col);
        const int left = (grid.CellLeft() + 7) / 15, top = (grid.CellTop() + 7) / 15;
        const int right = (grid.CellLeft() + grid.CellWidth() + 7) / 15;
        const int bottom = (grid.CellTop() + grid.CellHeight() + 7) / 15;
        for (const auto& [x, y] : {std::pair{left, top}, std::pair{right - 1, bottom - 1}}) {
            grid.SetRow(1);
            grid.SetCol(5);
            ClickGridAt(grid, x, y);
            EXPECT_EQ(grid.Row(), row) << x << "," << y;
            EXPECT_EQ(grid.Col(), col) << x << "," << y;
        }
    }
}

} // namespace
