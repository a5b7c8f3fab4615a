#include "platform/workbook/cell_store.h"

#include <algorithm>

namespace xl::detail {

namespace {
// Garbage in the text buffer is kept until it is this large and half the buffer.
constexpr std::size_t kGarbageToCollect = 64 * 1024;

template <class Cells>
auto FirstFrom(Cells& cells, int column) {
    return std::lower_bound(cells.begin(), cells.end(), column,
                            [](const StoredCell& cell, int c) { return cell.column < c; });
}
} // namespace

CellStore::CellStore() { FormatIndex(CellFormat{}); }

const StoredCell* CellStore::Find(int row, int column) const {
    auto r = rows_.find(row);
    if (r == rows_.end()) return nullptr;
    auto cell = FirstFrom(r->second, column);
    return cell != r->second.end() && cell->column == column ? &*cell : nullptr;
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
    auto r = rows_.find(row);
    if (r == rows_.end()) return {0, 0};
    return {r->second.front().column, r->second.back().column};
}

int CellStore::NextRowWithValue(int row, int column) const {
    for (auto r = rows_.upper_bound(row); r != rows_.end(); ++r) {
        auto cell = FirstFrom(r->second, column);
        if (cell != r->second.end() && cell->column == column && cell->kind != ValueKind::Empty) return r->first;
    }
    return 0;
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
    for (auto r = rows_.lower_bound(area.top); r != rows_.end() && r->first <= area.bottom;) {
        Row& cells = r->second;
        auto kept = FirstFrom(cells, area.left);
        auto end = FirstFrom(cells, area.right + 1);
        for (auto cell = kept; cell != end; ++cell) {
            Release(*cell);
            if (cell->format == 0) --columnCells_[cell->column];
            else *kept++ = *cell;
        }
        cells.erase(kept, end);
        auto next = std::next(r);
        DropIfEmpty(r);
        r = next;
    }
    CollectGarbage();
}

void CellStore::EditFormats(const Area& area, const std::function<void(CellFormat&, int, int)>& edit) {
    for (int r = area.top; r <= area.bottom; ++r)
        EditRow(r, area.left, area.right, [&](StoredCell& cell, int column) {
            CellFormat format = formats_[cell.format];
            edit(format, r, column);
            cell.format = FormatIndex(format);
        });
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

CellStore::Row& CellStore::RowAt(int row) {
    // Files give their rows top to bottom: the last row, or a new one after it, is the common case.
    if (!rows_.empty()) {
        auto last = std::prev(rows_.end());
        if (last->first == row) return last->second;
        if (last->first < row) return rows_.emplace_hint(rows_.end(), row, Row())->second;
    }
    return rows_[row];
}

StoredCell& CellStore::Slot(int row, int column) {
    Row& cells = RowAt(row);
    // Files give a row's cells left to right: one more cell at its end is the common case.
    auto at = cells.empty() || cells.back().column < column ? cells.end() : FirstFrom(cells, column);
    if (at != cells.end() && at->column == column) return *at;
    ++columnCells_[column];
    StoredCell added;
    added.column = static_cast<std::uint16_t>(column);
    return *cells.insert(at, added);
}

template <class F>
void CellStore::EditRow(int row, int left, int right, F&& edit) {
    auto r = rows_.try_emplace(row).first;
    Row& cells = r->second;
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
    DropIfEmpty(r);
}

void CellStore::DropIfEmpty(std::map<int, Row>::iterator row) {
    if (row->second.empty()) rows_.erase(row);
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
    for (auto& [row, cells] : rows_)
        for (StoredCell& cell : cells)
            if (cell.kind == ValueKind::Text) {
                std::string_view text = TextOf(cell);
                cell.text.offset = kept.size();
                kept.append(text);
            }
    texts_.swap(kept);
    garbage_ = 0;
}

} // namespace xl::detail
