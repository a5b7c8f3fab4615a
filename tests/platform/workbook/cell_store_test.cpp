// The compact cell storage: overwriting and compacting texts leaves the other cells alone,
// and the used extent shrinks as cells are emptied.
#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

#include "platform/workbook/cell_store.h"

namespace xl::detail {
namespace {

TEST(CellStoreTest, OverwritingCellsLeavesTheOtherCellsAlone) {
    CellStore cells;
    cells.SetValue(Area{1, 1, 1, 3}, CellValue("a"));
    cells.SetValue(Area{1, 2, 1, 2}, CellValue("longer than any short string buffer"));
    cells.SetValue(Area{1, 1, 1, 1}, CellValue(7));     // A1's text goes back to the table
    cells.SetValue(Area{2, 1, 2, 2}, CellValue("new")); // and is taken again
    cells.SetValue(Area{1, 3, 1, 3}, CellValue(2.5f));
    cells.ClearValues(Area{2, 2, 2, 2});
    cells.SetValue(Area{3, 1, 3, 1}, CellValue("x"));

    struct Expected {
        int row, column;
        ValueKind kind;
        const char* text;
    } expected[] = {
        // clang-format off
        {1, 1, ValueKind::Integer, "7"},
        {1, 2, ValueKind::Text, "longer than any short string buffer"},
        {1, 3, ValueKind::Single, "2.5"},
        {2, 1, ValueKind::Text, "new"},
        {2, 2, ValueKind::Empty, ""},
        {3, 1, ValueKind::Text, "x"},
        // clang-format on
    };
    for (const auto& e : expected) {
        CellValue v = cells.Value(e.row, e.column);
        EXPECT_EQ(v.Kind(), e.kind) << e.row << "," << e.column;
        EXPECT_EQ(v.Text(), e.text) << e.row << "," << e.column;
    }
}

TEST(CellStoreTest, TextsSurviveTheBufferBeingCompacted) {
    CellStore cells;
    const std::string keep(100, 'k');
    cells.SetValue(Area{1, 1, 1, 1}, CellValue(keep));
    // Overwriting a row of texts again and again leaves garbage behind, which is collected.
    for (int round = 0; round < 200; ++round) {
        cells.SetValue(Area{2, 1, 2, 50}, CellValue(std::string(50, static_cast<char>('a' + round % 26))));
        cells.SetValue(Area{3, 1 + round % 50, 3, 1 + round % 50}, CellValue(round));
    }
    EXPECT_EQ(cells.Value(1, 1).Text(), keep);
    for (int c = 1; c <= 50; ++c) {
        EXPECT_EQ(cells.Value(2, c).Text(), std::string(50, static_cast<char>('a' + 199 % 26))) << c;
        EXPECT_EQ(cells.Value(3, c).Kind(), ValueKind::Integer) << c;
    }
}

TEST(CellStoreTest, TheExtentFollowsValuesAndFormats) {
    CellStore cells;
    EXPECT_EQ(cells.LastRow(), 0);
    cells.SetValue(Area{2, 2, 3, 4}, CellValue(1));
    cells.EditFormats(Area{10, 6, 10, 6}, [](CellFormat& f, int, int) { f.fontTwips = 440; });
    EXPECT_EQ(cells.LastRow(), 10);
    EXPECT_EQ(cells.LastColumn(), 6);

    // A format set back to the default leaves nothing behind.
    cells.EditFormats(Area{10, 6, 10, 6}, [](CellFormat& f, int, int) { f = CellFormat{}; });
    EXPECT_EQ(cells.LastRow(), 3);
    EXPECT_EQ(cells.LastColumn(), 4);
    EXPECT_EQ(cells.Find(10, 6), nullptr);

    cells.EditFormats(Area{3, 4, 3, 4}, [](CellFormat& f, int, int) { f.pattern = xlPatternSolid; });
    cells.ClearValues(Area{1, 1, kMaxRows, kMaxColumns});
    EXPECT_EQ(cells.LastRow(), 3); // the formatted cell stays
    EXPECT_EQ(cells.LastColumn(), 4);
    EXPECT_EQ(cells.Format(3, 4).pattern, xlPatternSolid);
    int visited = 0;
    cells.ForEach([&](int row, int column, const StoredCell& cell) {
        ++visited;
        EXPECT_EQ(row, 3);
        EXPECT_EQ(column, 4);
        EXPECT_EQ(cell.kind, ValueKind::Empty);
    });
    EXPECT_EQ(visited, 1);
}

// A file may give its cells in any order and anywhere on the sheet: each keeps its place,
// they are visited row by row and column by column, and the extent follows the cells held.
TEST(CellStoreTest, CellsAnywhereKeepTheirPlacesWhateverOrderTheyCome) {
    CellStore cells;
    CellFormat large;
    large.fontTwips = 440;
    const std::uint32_t formatted = cells.FormatIndex(large);
    struct Put {
        int row, column;
    } puts[] = {{5, 3}, {5, 1}, {kMaxRows, 1}, {5, kMaxColumns}, {2, 200}, {5, 2}, {kMaxRows, kMaxColumns}};
    for (const auto& p : puts) cells.PutNumber(p.row, p.column, 0, ValueKind::Integer, p.row * 1000.0 + p.column);
    cells.PutBlank(2, 100, formatted);
    cells.PutText(2, 150, 0, "x");
    cells.PutBlank(2, 150, 0); // a blank without format is no cell

    std::vector<std::pair<int, int>> visited;
    cells.ForEach([&](int row, int column, const StoredCell&) { visited.emplace_back(row, column); });
    const std::vector<std::pair<int, int>> expected = {
        {2, 100}, {2, 200}, {5, 1}, {5, 2}, {5, 3}, {5, kMaxColumns}, {kMaxRows, 1}, {kMaxRows, kMaxColumns}};
    EXPECT_EQ(visited, expected);
    EXPECT_EQ(cells.Value(5, 2).Text(), "5002");
    EXPECT_EQ(cells.Find(2, 150), nullptr);
    EXPECT_EQ(cells.RowExtent(5), std::make_pair(1, kMaxColumns));
    EXPECT_EQ(cells.RowExtent(3), std::make_pair(0, 0));
    EXPECT_EQ(cells.NextRowWithValue(2, 1), 5);
    EXPECT_EQ(cells.NextRowWithValue(1, 100), 0); // a format holds no value
    EXPECT_EQ(cells.LastRow(), kMaxRows);
    EXPECT_EQ(cells.LastColumn(), kMaxColumns);

    // Emptying the far cells brings the extent back to the cells that remain.
    cells.ClearValues(Area{kMaxRows, 1, kMaxRows, kMaxColumns});
    cells.ClearValues(Area{1, kMaxColumns, kMaxRows, kMaxColumns});
    cells.ClearValues(Area{2, 200, 2, 200});
    EXPECT_EQ(cells.LastRow(), 5);
    EXPECT_EQ(cells.LastColumn(), 100);
    EXPECT_EQ(cells.RowExtent(5), std::make_pair(1, 3));
}

// Rows are reached in blocks of consecutive rows: rows on either side of a block's bounds and
// far apart are found, visited in order and followed down a column, and the extent falls back
// over emptied rows and blocks, to none and back again.
TEST(CellStoreTest, RowsOnBothSidesOfBlockBoundsAreFoundVisitedAndEmptied) {
    CellStore cells;
    const std::vector<int> rows = {1, 255, 256, 257, 512, 513, 40000, kMaxRows};
    for (int row : {513, 1, kMaxRows, 256, 40000, 255, 512, 257}) cells.PutNumber(row, 3, 0, ValueKind::Integer, row);

    std::vector<int> visited;
    cells.ForEach([&](int row, int column, const StoredCell&) {
        visited.push_back(row);
        EXPECT_EQ(column, 3);
    });
    EXPECT_EQ(visited, rows);
    std::vector<int> down;
    for (int row = cells.NextRowWithValue(0, 3); row != 0; row = cells.NextRowWithValue(row, 3)) down.push_back(row);
    EXPECT_EQ(down, rows);
    const std::set<int> held(rows.begin(), rows.end());
    for (int row : {0, 1, 2, 254, 255, 256, 257, 258, 511, 512, 513, 514, 39999, 40000, kMaxRows - 1, kMaxRows})
        EXPECT_EQ(cells.Value(row, 3), held.count(row) ? CellValue(row) : CellValue()) << row;

    // Emptied from the bottom, the last row is the one above that still holds a cell.
    for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
        EXPECT_EQ(cells.LastRow(), *row);
        cells.ClearValues(Area{*row, 1, *row, kMaxColumns});
    }
    EXPECT_EQ(cells.LastRow(), 0);
    EXPECT_EQ(cells.LastColumn(), 0);
    cells.SetValue(Area{300, 2, 300, 2}, CellValue("again"));
    EXPECT_EQ(cells.LastRow(), 300);
    EXPECT_EQ(cells.Value(300, 2).Text(), "again");
}

// A row's cell is found whether the row runs without gaps up to it or not.
TEST(CellStoreTest, EveryColumnOfARowWithGapsIsFoundOrNot) {
    CellStore cells;
    const std::set<int> columns = {2, 3, 4, 9, 10, 11, 12, 100, 101, 255, kMaxColumns};
    for (int column : {100, 2, 12, 3, kMaxColumns, 4, 11, 9, 255, 10, 101})
        cells.PutNumber(7, column, 0, ValueKind::Integer, column);
    for (int column = 0; column <= kMaxColumns + 1; ++column) {
        const StoredCell* cell = cells.Find(7, column);
        EXPECT_EQ(cell ? cell->column : 0, columns.count(column) ? column : 0) << column;
    }
}

} // namespace
} // namespace xl::detail
