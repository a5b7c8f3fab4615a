#include "platform/workbook/cell_store.h"

#include <algorithm>

namespace xl::detail {

namespace {
// Rows get room for this many cells at once, as most rows hold several.
constexpr std::size_t kRowStartCapacity = 16;
// Garbage in the text buffer is kept until it is this large and half the buffer.
constexpr std::size_t kGarbageToCollect = 64 * 1024;
} // namespace

CellStore::CellStore() { FormatIndex(CellFormat{}); }

const StoredCell* CellStore::Find(int row, int column) const {
    if (row < 1 || row > LastRow()) return nullptr;
    const auto& cells = rows_[row - 1];
    if (column < 1 || column > static_cast<int>(cells.size())) return nullptr;
    const StoredCell& cell = cells[column - 1];
    return cell.IsDefault() ? nullptr : &cell;
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
    if (row < 1 || row > LastRow()) return {0, 0};
    const auto& cells = rows_[row - 1];
    std::size_t first = 0;
    while (first < cells.size() && cells[first].IsDefault()) ++first;
    if (first == cells.size()) return {0, 0};
    return {static_cast<int>(first) + 1, static_cast<int>(cells.size())};
}

int CellStore::LastColumn() const {
    std::size_t last = 0;
    for (const auto& cells : rows_) last = std::max(last, cells.size());
    return static_cast<int>(last);
}

void CellStore::SetValue(const Area& area, const CellValue& value) {
    ValueKind kind = value.Kind();
    if (kind == ValueKind::Empty) {
        ClearValues(area);
        return;
    }
    std::string text = kind == ValueKind::Text ? value.Text() : std::string();
    double number = value.IsNumber() ? value.Double() : 0.0;
    for (int r = area.top; r <= area.bottom; ++r) {
        auto& cells = Row(r, area.right);
        for (int c = area.left; c <= area.right; ++c) {
            StoredCell& cell = cells[c - 1];
            if (kind == ValueKind::Text) SetText(cell, text);
            else SetNumber(cell, kind, number);
        }
    }
    CollectGarbage();
}

void CellStore::ClearValues(const Area& area) {
    int bottom = std::min(area.bottom, LastRow());
    for (int r = area.top; r <= bottom; ++r) {
        auto& cells = rows_[r - 1];
        int right = std::min(area.right, static_cast<int>(cells.size()));
        for (int c = area.left; c <= right; ++c) Release(cells[c - 1]);
    }
    Tidy(area.top, bottom);
    CollectGarbage();
}

void CellStore::EditFormats(const Area& area, const std::function<void(CellFormat&, int, int)>& edit) {
    for (int r = area.top; r <= area.bottom; ++r) {
        auto& cells = Row(r, area.right);
        for (int c = area.left; c <= area.right; ++c) {
            CellFormat format = formats_[cells[c - 1].format];
            edit(format, r, c);
            cells[c - 1].format = FormatIndex(format);
        }
    }
    Tidy(area.top, area.bottom);
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
    StoredCell& cell = Slot(row, column);
    Release(cell);
    cell.format = format;
}

StoredCell& CellStore::Slot(int row, int column) { return Row(row, column)[column - 1]; }

std::vector<StoredCell>& CellStore::Row(int row, int columns) {
    if (row > LastRow()) rows_.resize(row);
    auto& cells = rows_[row - 1];
    auto needed = static_cast<std::size_t>(columns);
    if (needed > cells.size()) {
        if (needed > cells.capacity())
            cells.reserve(std::max(needed, std::min<std::size_t>(kMaxColumns,
                                                                std::max(kRowStartCapacity, 2 * cells.capacity()))));
        // Files give a row's cells left to right: one more cell is the common case.
        if (needed == cells.size() + 1) cells.emplace_back();
        else cells.resize(needed);
    }
    return cells;
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
    for (auto& cells : rows_)
        for (StoredCell& cell : cells)
            if (cell.kind == ValueKind::Text) {
                std::string_view text = TextOf(cell);
                cell.text.offset = kept.size();
                kept.append(text);
            }
    texts_.swap(kept);
    garbage_ = 0;
}

void CellStore::Tidy(int top, int bottom) {
    bottom = std::min(bottom, LastRow());
    for (int r = top; r <= bottom; ++r) {
        auto& cells = rows_[r - 1];
        while (!cells.empty() && cells.back().IsDefault()) cells.pop_back();
        if (cells.empty()) std::vector<StoredCell>().swap(cells);
    }
    while (!rows_.empty() && rows_.back().empty()) rows_.pop_back();
}

} // namespace xl::detail
