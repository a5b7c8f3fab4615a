#pragma once
// The cells of one sheet, kept sparsely: each row a vector of the cells it holds in column
// order. A cell is 16 bytes: its value (a text as its place in the sheet's text buffer), the
// number of its format in the sheet's format table and its column. Rows are reached directly
// by number through blocks of consecutive rows, a block made only once one of its rows holds a
// cell. Memory thus follows the cells that exist wherever they lie, a full sheet costs a few
// allocations per row rather than one per cell, and a cell is found without a search of rows.
//
// Kept tidy after every change: no cell is kept that is empty and unformatted, a row without
// cells holds no memory, and the last row holding a cell is known, so the used extent is known
// without a walk over the cells. Rows are 1 .. kMaxRows and columns 1 .. kMaxColumns.
#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
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
    int LastRow() const { return lastRow_; }
    int LastColumn() const;

    // Calls f(row, column, cell) on every cell that is not empty and unformatted, row by row.
    template <class F>
    void ForEach(F&& f) const {
        ForEachInRows(1, LastRow(), f);
    }
    // The same for the rows top .. bottom.
    template <class F>
    void ForEachInRows(int top, int bottom, F&& f) const {
        ForEachRow(*this, top, bottom, [&](int row, const Row& cells) {
            for (const StoredCell& cell : cells) f(row, static_cast<int>(cell.column), cell);
            return false;
        });
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
    // Rows 1 + k * kBlockRows .. (k + 1) * kBlockRows are block k.
    static constexpr int kBlockRows = 256;
    using Block = std::array<Row, kBlockRows>;

    static std::size_t BlockOf(int row) { return static_cast<std::size_t>(row - 1) / kBlockRows; }
    static std::size_t PlaceInBlock(int row) { return static_cast<std::size_t>(row - 1) % kBlockRows; }

    // Calls f(row, cells) on each row of top .. bottom that has a block, its cells possibly
    // none, top to bottom, until f returns true. `Self` is CellStore or const CellStore.
    template <class Self, class F>
    static void ForEachRow(Self& self, int top, int bottom, F&& f) {
        int last = std::min(bottom, self.lastRow_);
        for (int row = std::max(top, 1); row <= last;) {
            auto* block = self.blocks_[BlockOf(row)].get();
            int blockEnd = std::min(last, static_cast<int>(BlockOf(row) + 1) * kBlockRows);
            if (block)
                for (; row <= blockEnd; ++row)
                    if (f(row, (*block)[PlaceInBlock(row)])) return;
            row = blockEnd + 1;
        }
    }

    // The cells of the row; null when its block does not exist.
    const Row* RowIfAny(int row) const;
    // The row, its block created when there is none yet.
    Row& RowAt(int row) {
        std::size_t index = BlockOf(row);
        return index < blocks_.size() && blocks_[index] ? (*blocks_[index])[PlaceInBlock(row)] : MakeRow(row);
    }
    Row& MakeRow(int row);
    // The cell at (row, column), created empty when there is none.
    StoredCell& Slot(int row, int column);
    // Calls edit(cell, column) on each cell of columns left .. right of the row (an empty,
    // unformatted one where there is none) and keeps the cells that are then not default.
    template <class F>
    void EditRow(int row, int left, int right, F&& edit);
    // Frees the row's memory when it holds no cell.
    static void DropIfEmpty(Row& cells);
    // Brings the last row back to the last one holding a cell, and drops the blocks after it.
    void FindLastRow();
    void SetText(StoredCell& cell, std::string_view text);
    void SetNumber(StoredCell& cell, ValueKind kind, double value);
    // Empties the cell's value; its text becomes garbage in the text buffer.
    void Release(StoredCell& cell);
    // Copies the texts in use to a new buffer once the garbage outweighs them.
    void CollectGarbage();

    // Block k at index k, null until one of its rows is given a cell; reaches at least the
    // block of the last row.
    std::vector<std::unique_ptr<Block>> blocks_;
    int lastRow_ = 0;    // the last row holding a cell; 0 when there is none
    int lastPutRow_ = 0; // the row a cell was last added to at its end
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
