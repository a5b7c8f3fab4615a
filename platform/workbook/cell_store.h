#pragma once
// The cells of one sheet, kept sparsely: the rows that hold cells, each a vector of its cells
// in column order. A cell is 16 bytes: its value (a text as its place in the sheet's text
// buffer), the number of its format in the sheet's format table and its column. Memory thus
// follows the cells that exist wherever they lie, a full sheet costs a few allocations per row
// rather than one per cell, and reading a workbook touches little memory.
//
// Kept tidy after every change: no cell is kept that is empty and unformatted, and no row
// without cells, so the used extent is known without a walk over the cells.
#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/workbook/cell_format.h"
#include "platform/workbook/cell_value.h"
#include "platform/workbook/workbook.h"

namespace xl::detail {

// Where a cell's text lies in the sheet's text buffer. A cell text has at most 32767
// characters of up to 4 bytes in UTF-8, or 65535 UTF-16 units when read from a file.
struct TextPlace {
    std::uint64_t offset : 46;
    std::uint64_t length : 18;
};

struct StoredCell {
    union {
        double number = 0; // a double, or a single as the exact double of the float
        long long integer;
        TextPlace text;
    };
    std::uint32_t format = 0; // index into the sheet's formats; 0 is the default format
    ValueKind kind = ValueKind::Empty;
    std::uint16_t column = 0; // 1-based

    bool IsDefault() const { return kind == ValueKind::Empty && format == 0; }
};
static_assert(sizeof(StoredCell) == 16);

class CellStore {
public:
    CellStore();

    // The cell at (row, column), or null when it is empty and unformatted.
    const StoredCell* Find(int row, int column) const;
    CellValue Value(int row, int column) const;
    const CellFormat& Format(int row, int column) const;
    CellValue ValueOf(const StoredCell& cell) const;
    std::string_view TextOf(const StoredCell& cell) const {
        return {texts_.data() + cell.text.offset, cell.text.length};
    }
    const CellFormat& FormatOf(std::uint32_t format) const { return formats_[format]; }
    std::size_t FormatCount() const { return formats_.size(); }

    // The last row and column holding a cell; 0 when there is none.
    int LastRow() const { return rows_.empty() ? 0 : rows_.rbegin()->first; }
    int LastColumn() const;

    // Calls f(row, column, cell) on every cell that is not empty and unformatted, row by row.
    template <class F>
    void ForEach(F&& f) const {
        ForEachInRows(1, LastRow(), f);
    }
    // The same for the rows top .. bottom.
    template <class F>
    void ForEachInRows(int top, int bottom, F&& f) const {
        for (auto row = rows_.lower_bound(top); row != rows_.end() && row->first <= bottom; ++row)
            for (const StoredCell& cell : row->second) f(row->first, static_cast<int>(cell.column), cell);
    }
    // The columns of the first and the last cell of the row; {0, 0} when it holds none.
    std::pair<int, int> RowExtent(int row) const;
    // The first row below `row` whose cell in `column` holds a value; 0 when there is none.
    int NextRowWithValue(int row, int column) const;

    // Sets the value of every cell of the area; the empty value empties them.
    void SetValue(const Area& area, const CellValue& value);
    // Empties the cells of the area, keeping their formats.
    void ClearValues(const Area& area);
    // Calls edit(format, row, column) on a copy of each cell's format and stores the result.
    void EditFormats(const Area& area, const std::function<void(CellFormat&, int, int)>& edit);

    // The number of `format` in the format table, entered when new.
    std::uint32_t FormatIndex(const CellFormat& format);
    // Stores one cell as a file gives it; `format` comes from FormatIndex.
    void PutText(int row, int column, std::uint32_t format, std::string_view text);
    void PutNumber(int row, int column, std::uint32_t format, ValueKind kind, double value);
    void PutBlank(int row, int column, std::uint32_t format);

private:
    // The cells of one row that are not empty and unformatted, by column.
    using Row = std::vector<StoredCell>;

    // The row, created when it holds no cell yet.
    Row& RowAt(int row);
    // The cell at (row, column), created empty when there is none.
    StoredCell& Slot(int row, int column);
    // Calls edit(cell, column) on each cell of columns left .. right of the row (an empty,
    // unformatted one where there is none) and keeps the cells that are then not default.
    template <class F>
    void EditRow(int row, int left, int right, F&& edit);
    // Drops the row when it holds no cell.
    void DropIfEmpty(std::map<int, Row>::iterator row);
    void SetText(StoredCell& cell, std::string_view text);
    void SetNumber(StoredCell& cell, ValueKind kind, double value);
    // Empties the cell's value; its text becomes garbage in the text buffer.
    void Release(StoredCell& cell);
    // Copies the texts in use to a new buffer once the garbage outweighs them.
    void CollectGarbage();

    std::map<int, Row> rows_;
    // The number of cells each column holds, by column number.
    std::array<std::uint32_t, kMaxColumns + 1> columnCells_{};
    // EditRow's cells of the area, kept for its next call.
    Row edited_;
    std::string texts_;       // the cells' texts one after another
    std::size_t garbage_ = 0; // bytes of texts_ no cell refers to
    std::vector<CellFormat> formats_;
    std::unordered_map<CellFormat, std::uint32_t, CellFormatHash> formatIndex_;
};

} // namespace xl::detail
