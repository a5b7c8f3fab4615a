#include "platform/forms/script.h"
#include "tests/support/program_reset.h"
#include "vantor/geometry/grid/hyoujitate.h"
#include "vantor/geometry/grid/入出力画面.h"
#include "vantor/geometry/rows/gyousakujo.h"
#include "vantor/geometry/rows/gyousounyuu.h"
#include "vantor/model/bus/profile_tables.h"
#include "vantor/model/縦断bus.h"

#include <gtest/gtest.h>

using namespace 縦断bus;

namespace {

class GridRows : public ::testing::Test {
protected:
    void TearDown() override { test_support::ResetProgram(); }

    // Stations 10, 20, ... on `count` rows, shown in the grid with (row, column) current.
    void Show(int count, int row, int column) {
        test_support::ResetProgram();
        tatedata.Fill(kEmpty);
        for (int r = 1; r <= count; ++r) tatedata(r, 1) = 10.0f * r, tatedata(r, 2) = 100.0f + r;
        sokutensuu = count;
        hyoujitate();
        grid().SetRow(row);
        grid().SetCol(column);
    }
    static 入出力画面& screen() { return forms::Get<入出力画面>(); }
    static forms::FlexGrid& grid() { return screen().グリッド; }
};

} // namespace

TEST_F(GridRows, InsertShowsAnEmptyRowAtTheCurrentRow) {
    Show(3, 1, 0);
    gyousounyuu();
    EXPECT_EQ(sokutensuu, 4);
    EXPECT_EQ(grid().Rows(), 5);
    EXPECT_EQ(grid().TextMatrix(1, 0), "");
    EXPECT_EQ(grid().TextMatrix(2, 0), "10");
    EXPECT_EQ(screen().Text1.Text(), "");
}

TEST_F(GridRows, DeletingTheLastRowMovesTheEditorUp) {
    Show(4, 4, 1);
    gyousakujo();
    EXPECT_EQ(sokutensuu, 3);
    EXPECT_EQ(grid().Row(), 3);
    EXPECT_EQ(grid().Col(), 1);
    EXPECT_EQ(screen().Text1.Text(), "103");
    EXPECT_EQ(screen().Text1.Left(), grid().Left() + grid().CellLeft());
    EXPECT_EQ(screen().Text1.Top(), grid().Top() + grid().CellTop());
}

TEST_F(GridRows, RefusalsSayWhyAndChangeNothing) {
    struct Case {
        int stations, row;
        bool insert;
        std::string message;
    };
    const Case cases[] = {{500, 3, true, kSounyuuMantan}, {1, 1, false, kSakujoSaigo}};
    for (const Case& c : cases) {
        Show(c.stations, c.row, 0);
        const float station = tatedata(c.row, 1);
        c.insert ? gyousounyuu() : gyousakujo();
        ASSERT_EQ(forms::script::Messages().size(), 1u);
        EXPECT_EQ(forms::script::Messages()[0].prompt, c.message);
        EXPECT_EQ(sokutensuu, c.stations);
        EXPECT_EQ(tatedata(c.row, 1), station);
        EXPECT_EQ(grid().Rows(), c.stations + 1);
    }
}
