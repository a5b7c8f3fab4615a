#include "grid_fixture.h"
#include "vantor/model/bus/alignment_tables.h"
#include "vantor/model/bus/document_state.h"
#include "vantor/model/bus/profile_tables.h"

#include <array>

namespace grid_test {
namespace {

using Texts = std::array<std::string, 縦断bus::kGridColumns>;

TEST_F(GridTest, HyoujitateLaysOutHeadersAndOneRowPerStation) {
    Load({{0, 47, 48}, {70, 48}, {200, 47.5f, 49}});
    縦断bus::hyoujitate();
    const forms::FlexGrid& grid = Screen().グリッド;
    EXPECT_EQ(grid.Rows(), 4);
    EXPECT_EQ(grid.Cols(), 8);
    EXPECT_EQ(grid.FixedCols(), 0);
    const int widths[] = {1580, 1380, 1380, 1380, 1380, 1380, 1380, 1750};
    for (int c = 0; c < 8; ++c) EXPECT_EQ(grid.ColWidth(c), widths[c]) << c;
    EXPECT_EQ(grid.RowHeight(2), 500);
    const Texts headers = {"    測    点", "  地 盤 高", " 基準計画高", "  曲 線 長",
                           "  計 画 高",   "  切    土", "  盛    土",  "   勾      配 (%)"};
    for (int c = 0; c < 8; ++c) EXPECT_EQ(Cell(0, c), headers[c]) << c;
    EXPECT_EQ(Cell(3, 0), "200");
    EXPECT_EQ(Cell(3, 1), "47.5");
}

TEST_F(GridTest, RowTextsSplitTheDifferenceAndDropEmptyCells) {
    struct Case {
        std::array<float, 7> table; // tatedata columns 1..7
        Texts grid;
    } cases[] = {
        {{E, E, E, E, E, E, E}, {"", "", "", "", "", "", "", ""}},
        {{100, 49.5f, 50, 60, 49.78f, 0.28f, 2}, {"100", "49.5", "50", "60", "49.78", "", "0.28", "2"}},
        {{85, 49, E, E, 48.5f, -0.5f, -1}, {"85", "49", "", "", "48.5", "0.5", "", "-1"}},
        {{10, 12, E, E, 12, 0, 1.5f}, {"10", "12", "", "", "12", "0", "", "1.5"}},
        // no station: no gradient, whatever the table holds
        {{E, 12, E, E, E, E, 3}, {"", "12", "", "", "", "", "", ""}},
    };
    for (const Case& c : cases) {
        for (int col = 1; col <= 7; ++col) 縦断bus::tatedata(1, col) = c.table[col - 1];
        EXPECT_EQ(縦断bus::GridRowTexts(1, {}), c.grid) << c.table[0] << " " << c.table[5];
    }
}

TEST_F(GridTest, StationsOnBcAndEcAreMarkedOnceTheAlignmentIsComputed) {
    using namespace 縦断bus;
    Load({{40}, {80}, {123.45f}, {100}});
    ipsuu = 2;
    bcsokuten(1) = 40000;
    ecsokuten(1) = 80000;
    bcsokuten(2) = 123450;
    ecsokuten(2) = 150000;
    ipkeisanflg = 1;
    hyoujitate();
    EXPECT_EQ(Cell(1, 0), "B.C 1 (40)");
    EXPECT_EQ(Cell(2, 0), "E.C 1 (80)");
    EXPECT_EQ(Cell(3, 0), "B.C 2 (123.45)");
    EXPECT_EQ(Cell(4, 0), "100");

    ipkeisanflg = 0;
    hyoujitate();
    EXPECT_EQ(Cell(1, 0), "40");
}

// The rule the shoulder grid shares: IPs in ascending order, BC before EC, the first match
// marks the station.
TEST_F(GridTest, TheFirstIpInOrderMarksAStation) {
    using namespace 縦断bus;
    ipkeisanflg = 1;
    ipsuu = 3;
    const float chainages[][2] = {{40000, 80000}, {80000, 80000}, {95500, 95500}}; // IP 2 and 3 without curve
    for (int k = 1; k <= 3; ++k) {
        bcsokuten(k) = chainages[k - 1][0];
        ecsokuten(k) = chainages[k - 1][1];
    }
    const CurvePointMarks marks = CurvePointMarks::OfAlignment();
    EXPECT_EQ(marks.Mark("80"), "E.C 1 (80)");
    EXPECT_EQ(marks.Mark("95.5"), "B.C 3 (95.5)");
    EXPECT_EQ(marks.Mark("95.50"), "95.50"); // the station's own text is compared
    EXPECT_EQ(marks.Mark(""), "");
}

} // namespace
} // namespace grid_test
