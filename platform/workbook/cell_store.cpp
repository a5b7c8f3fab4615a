#include "platform/workbook/cell_store.h"

#include <algorithm>

namespace xl::detail {

namespace {
// Garbage in the text buffer is kept until it is this large and half the buffer.
constexpr std::size_t kGarbageToCollect = 64 * 1024;
// A row growing past its room gets four times the room up to this many cells, then twice.
constexpr std::size_t kQuickGrowthCells = 16;

template <class Cells>
auto FirstFrom(Cells& cells, int column) {
    return std::lower_bound(cells.begin(), cells.end(), column,
                            [](const StoredCell& cell, int c) { return cell.column < c; });
}
} // namespace

CellStore::CellStore() { FormatIndex(CellFormat{}); }

const StoredCell* CellStore::Find(int row, int column) const {
    const Row* cells = RowIfAny(row);
    if (!cells || cells->empty()) return nullptr;
    // Columns rise by at least one from cell to cell, so the cell of `column` lies no further
    // than column - first places from the front, and exactly there in a row without gaps.
    int offset = column - cells->front().column;
    if (offset < 0) return nullptr;
    auto bound = std::min(cells->size(), static_cast<std::size_t>(offset) + 1);
    const StoredCell& farthest = (*cells)[bound - 1];
    if (farthest.column == column) return &farthest;
    auto end = cells->begin() + static_cast<std::ptrdiff_t>(bound - 1);
    auto cell = std::lower_bound(cells->begin(), end, column,
                                 [](const StoredCell& c, int wanted) { return c.column < wanted; });
    return cell != end && cell->column == column ? &*cell : nullptr;
}

CellValue CellStore::Value(int row, int column) const {
    const StoredCell* cell = Find(row, column);
    return cell ? ValueOf(*cell) : CellValue{};
}

const CellFormat& CellStore::Format(int row, int column) const {
    const StoredCell* cell = Find(row, column);
    return formats_[cell ? cell->format : 0];
}

CellValue CellStore::ValueOf(const StoredCell& cell) const {
    switch (cell.kind) {
    case ValueKind::Text: return CellValue(TextOf(cell));
    case ValueKind::Single: return CellValue(static_cast<float>(cell.number));
    case ValueKind::Double: return CellValue(cell.number);
    case ValueKind::Integer: return CellValue(cell.integer);
    case ValueKind::Empty: break;
    }
    return {};
}

std::pair<int, int> CellStore::RowExtent(int row) const {
    const Row* cells = RowIfAny(row);
    if (!cells || cells->empty()) return {0, 0};
    return {cells->front().column, cells->back().column};
}

int CellStore::NextRowWithValue(int row, int column) const {
    int found = 0;
    ForEachRow(*this, row + 1, lastRow_, [&](int r, const Row&) {
        const StoredCell* cell = Find(r, column);
        if (cell && cell->kind != ValueKind::Empty) found = r;
        return found != 0;
    });
    return found;
}

int CellStore::LastColumn() const {
    int column = kMaxColumns;
    while (column > 0 && columnCells_[column] == 0) --column;
    return column;
}

void CellStore::SetValue(const Area& area, const CellValue& value) {
    ValueKind kind = value.Kind();
    if (kind == ValueKind::Empty) {
        ClearValues(area);
        return;
    }
    std::string text = kind == ValueKind::Text ? value.Text() : std::string();
    double number = value.IsNumber() ? value.Double() : 0.0;
    for (int r = area.top; r <= area.bottom; ++r)
        EditRow(r, area.left, area.right, [&](StoredCell& cell, int) {
            if (kind == ValueKind::Text) SetText(cell, text);
            else SetNumber(cell, kind, number);
        });
    CollectGarbage();
}

void CellStore::ClearValues(const Area& area) {
    ForEachRow(*this, area.top, area.bottom, [&](int, Row& cells) {
        auto kept = FirstFrom(cells, area.left);
        auto end = FirstFrom(cells, area.right + 1);
        for (auto cell = kept; cell != end; ++cell) {
            Release(*cell);
            if (cell->format == 0) --columnCells_[cell->column];
            else *kept++ = *cell;
        }
        cells.erase(kept, end);
        DropIfEmpty(cells);
        return false;
    });
    FindLastRow();
    CollectGarbage();
}

void CellStore::EditFormats(const Area& area, const std::function<void(CellFormat&, int, int)>& edit) {
    for (int r = area.top; r <= area.bottom; ++r)
        EditRow(r, area.left, area.right, [&](StoredCell& cell, int column) {
            CellFormat format = formats_[cell.format];
            edit(format, r, column);
            cell.format = FormatIndex(format);
        });
    FindLastRow();
}

std::uint32_t CellStore::FormatIndex(const CellFormat& format) {
    auto [it, added] = formatIndex_.try_emplace(format, static_cast<std::uint32_t>(formats_.size()));
    if (added) formats_.push_back(format);
    return it->second;
}

void CellStore::PutText(int row, int column, std::uint32_t format, std::string_view text) {
    StoredCell& cell = Slot(row, column);
    SetText(cell, text);
    cell.format = format;
}

void CellStore::PutNumber(int row, int column, std::uint32_t format, ValueKind kind, double value) {
    StoredCell& cell = Slot(row, column);
    SetNumber(cell, kind, value);
    cell.format = format;
}

void CellStore::PutBlank(int row, int column, std::uint32_t format) {
    if (format == 0) {
        ClearValues(Area{row, column, row, column});
        return;
    }
    StoredCell& cell = Slot(row, column);
    Release(cell);
    cell.format = format;
}

const CellStore::Row* CellStore::RowIfAny(int row) const {
    if (row < 1 || row > lastRow_) return nullptr;
    const Block* block = blocks_[BlockOf(row)].get();
    return block ? &(*block)[PlaceInBlock(row)] : nullptr;
}

CellStore::Row& CellStore::MakeRow(int row) {
    std::size_t index = BlockOf(row);
    if (index >= blocks_.size()) blocks_.resize(index + 1);
    if (!blocks_[index]) blocks_[index] = std::make_unique<Block>();
    return (*blocks_[index])[PlaceInBlock(row)];
}

StoredCell& CellStore::Slot(int row, int column) {
    Row& cells = RowAt(row);
    StoredCell added;
    added.column = static_cast<std::uint16_t>(column);
    // Files give a row's cells left to right: one more cell at its end is the common case.
    if (cells.empty() || cells.back().column < column) {
        if (cells.size() == cells.capacity()) {
            // A new row gets the room the row filled before it took, as a file's rows tend to
            // hold alike cells: one allocation for most rows, and one cell for a lone one.
            const Row* before = cells.empty() ? RowIfAny(lastPutRow_) : nullptr;
            if (before) cells.reserve(std::max<std::size_t>(before->size(), 1));
            else cells.reserve(std::max<std::size_t>(1, cells.size() * (cells.size() < kQuickGrowthCells ? 4 : 2)));
        }
        ++columnCells_[column];
        lastRow_ = std::max(lastRow_, row);
        lastPutRow_ = row;
        return cells.emplace_back(added);
    }
    auto at = FirstFrom(cells, column);
    if (at->column == column) return *at;
    ++columnCells_[column];
    return *cells.insert(at, added);
}

template <class F>
void CellStore::EditRow(int row, int left, int right, F&& edit) {
    Row& cells = RowAt(row);
    auto first = FirstFrom(cells, left);
    auto end = FirstFrom(cells, right + 1);
    edited_.clear();
    auto old = first;
    for (int column = left; column <= right; ++column) {
        StoredCell cell;
        cell.column = static_cast<std::uint16_t>(column);
        if (old != end && old->column == column) {
            cell = *old++;
            --columnCells_[column];
        }
        edit(cell, column);
        if (cell.IsDefault()) continue;
        edited_.push_back(cell);
        ++columnCells_[column];
    }
    // The cells of the area take the place of those it held.
    std::size_t at = static_cast<std::size_t>(first - cells.begin());
    cells.erase(first, end);
    cells.insert(cells.begin() + static_cast<std::ptrdiff_t>(at), edited_.begin(), edited_.end());
    if (!cells.empty()) lastRow_ = std::max(lastRow_, row);
    DropIfEmpty(cells);
}

void CellStore::DropIfEmpty(Row& cells) {
    if (cells.empty()) Row().swap(cells);
}

void CellStore::FindLastRow() {
    while (lastRow_ > 0) {
        const Block* block = blocks_[BlockOf(lastRow_)].get();
        int before = static_cast<int>(BlockOf(lastRow_)) * kBlockRows; // the row before the block
        if (!block) {
            lastRow_ = before;
            continue;
        }
        while (lastRow_ > before && (*block)[PlaceInBlock(lastRow_)].empty()) --lastRow_;
        if (lastRow_ > before) break;
    }
    // Blocks after the last row's hold no cell, including those made for rows left empty.
    blocks_.resize(lastRow_ == 0 ? 0 : BlockOf(lastRow_) + 1);
}

void CellStore::SetText(StoredCell& cell, std::string_view text) {
    Release(cell);
    cell.text = TextPlace{texts_.size(), text.size()};
    texts_.append(text);
    cell.kind = ValueKind::Text;
}

void CellStore::SetNumber(StoredCell& cell, ValueKind kind, double value) {
    Release(cell);
    cell.kind = kind;
    if (kind == ValueKind::Integer) cell.integer = static_cast<long long>(value);
    else cell.number = value;
}

void CellStore::Release(StoredCell& cell) {
    if (cell.kind == ValueKind::Text) garbage_ += cell.text.length;
    cell.kind = ValueKind::Empty;
    cell.number = 0;
}

void CellStore::CollectGarbage() {
    if (garbage_ < std::max(kGarbageToCollect, texts_.size() / 2)) return;
    std::string kept;
    kept.reserve(texts_.size() - garbage_);
    ForEachRow(*this, 1, lastRow_, [&](int, Row& cells) {
        for (StoredCell& cell : cells)
            if (cell.kind == ValueKind::Text) {
                std::string_view text = TextOf(cell);
                cell.text.offset = kept.size();
                kept.append(text);
            }
        return false;
    });
    texts_.swap(kept);
    garbage_ = 0;
}

} // namespace xl::detail
