#include "cad/drawing/entity_index.h"

#include "cad/drawing/extents.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace cad {

namespace {
constexpr int kMaxCellsAcross = 512;
constexpr long kLargeCells = 64;                   // an entity over more cells than this goes to the large list
constexpr std::size_t kOutsideBeforeRebuild = 256; // at least; and a quarter of all entities

// Drops the entities from `first` on from an ascending list.
void DropFrom(std::vector<std::uint32_t>& list, std::size_t first) {
    while (!list.empty() && list.back() >= first) list.pop_back();
}
} // namespace

EntityIndex::EntityIndex(const Drawing& drawing) : revision_(drawing.Revision()) {
    const auto& all = drawing.Entities();
    // Room for entities added later: growing a list this long anew costs a fresh allocation
    // the size of the drawing, paid at the first entity added.
    boxes_.reserve(all.size() + all.size() / 2);
    for (const Entity& e : all) boxes_.push_back(ShapeExtents(drawing, e.shape));
    BuildGrid();
}

void EntityIndex::BuildGrid() {
    bounds_ = Rect{};
    for (const Rect& b : boxes_) bounds_.Add(b);
    cells_.clear();
    large_.clear();
    outside_.clear();
    columns_ = rows_ = 1;
    if (bounds_.empty) return;
    // About four entities a cell.
    const int across =
        std::clamp(static_cast<int>(std::sqrt(static_cast<double>(boxes_.size()) / 4)), 1, kMaxCellsAcross);
    columns_ = rows_ = across;
    cellWidth_ = std::max((bounds_.maxX - bounds_.minX) / columns_, 1e-9);
    cellHeight_ = std::max((bounds_.maxY - bounds_.minY) / rows_, 1e-9);
    cells_.resize(static_cast<std::size_t>(columns_) * rows_);
    for (std::size_t i = 0; i < boxes_.size(); ++i) Place(i);
}

// Entities are placed in ascending order, so every list stays ascending.
void EntityIndex::Place(std::size_t i) {
    const Rect& b = boxes_[i];
    if (b.empty) return;
    if (!bounds_.ContainsRect(b)) {
        outside_.push_back(static_cast<std::uint32_t>(i));
        return;
    }
    const int c0 = Column(b.minX), c1 = Column(b.maxX), r0 = Row(b.minY), r1 = Row(b.maxY);
    if (static_cast<long>(c1 - c0 + 1) * (r1 - r0 + 1) > kLargeCells) {
        large_.push_back(static_cast<std::uint32_t>(i));
        return;
    }
    for (int r = r0; r <= r1; ++r)
        for (int c = c0; c <= c1; ++c)
            cells_[static_cast<std::size_t>(r) * columns_ + c].push_back(static_cast<std::uint32_t>(i));
}

// Finding an entity's cells costs more than looking at a cell: past a few entities per cell,
// every cell is visited.
template <class Visit>
void EntityIndex::ForEachCellFrom(std::size_t first, Visit visit) {
    if (first >= boxes_.size()) return;
    if ((boxes_.size() - first) * 4 > cells_.size()) {
        for (auto& cell : cells_) visit(cell);
        return;
    }
    std::vector<bool> seen(cells_.size());
    for (std::size_t i = first; i < boxes_.size(); ++i) {
        const Rect& b = boxes_[i];
        if (b.empty || !bounds_.ContainsRect(b)) continue;
        const int c0 = Column(b.minX), c1 = Column(b.maxX), r0 = Row(b.minY), r1 = Row(b.maxY);
        if (static_cast<long>(c1 - c0 + 1) * (r1 - r0 + 1) > kLargeCells) continue;
        for (int r = r0; r <= r1; ++r)
            for (int c = c0; c <= c1; ++c) {
                const std::size_t cell = static_cast<std::size_t>(r) * columns_ + c;
                if (seen[cell]) continue;
                seen[cell] = true;
                visit(cells_[cell]);
            }
    }
}

// Drops the entities from `first` on.
void EntityIndex::Forget(std::size_t first) {
    if (first >= boxes_.size()) return;
    ForEachCellFrom(first, [&](std::vector<std::uint32_t>& cell) { DropFrom(cell, first); });
    DropFrom(large_, first);
    DropFrom(outside_, first);
    boxes_.resize(first);
}

void EntityIndex::Update(const Drawing& drawing, std::size_t unchanged) {
    revision_ = drawing.Revision();
    const auto& all = drawing.Entities();
    unchanged = std::min({unchanged, boxes_.size(), all.size()});
    Forget(unchanged);
    for (std::size_t i = unchanged; i < all.size(); ++i) {
        boxes_.push_back(ShapeExtents(drawing, all[i].shape));
        Place(i);
    }
    // Entities beyond the grid are looked at in every query: past a share, a grid over all.
    if (outside_.size() > std::max(kOutsideBeforeRebuild, boxes_.size() / 4)) BuildGrid();
}

std::size_t EntityIndex::Erase(const std::vector<std::size_t>& gone, std::size_t unchanged) {
    unchanged = std::min(unchanged, boxes_.size());
    Forget(unchanged);
    const std::size_t first = gone.empty() ? unchanged : std::min(gone.front(), unchanged);
    if (first == unchanged) return unchanged;
    // Where each entity from `first` on goes; the erased ones nowhere.
    constexpr std::uint32_t kGone = UINT32_MAX;
    std::vector<std::uint32_t> moved(unchanged - first);
    std::size_t next = 0, out = first;
    for (std::size_t i = first; i < unchanged; ++i) {
        if (next < gone.size() && gone[next] == i) {
            moved[i - first] = kGone;
            ++next;
        } else {
            moved[i - first] = static_cast<std::uint32_t>(out++);
        }
    }
    auto renumber = [&](std::vector<std::uint32_t>& list) {
        auto write = std::lower_bound(list.begin(), list.end(), static_cast<std::uint32_t>(first));
        for (auto read = write; read != list.end(); ++read)
            if (moved[*read - first] != kGone) *write++ = moved[*read - first];
        list.erase(write, list.end());
    };
    // The cells are found by the extents before the entities move down.
    ForEachCellFrom(first, renumber);
    renumber(large_);
    renumber(outside_);
    for (std::size_t i = first; i < unchanged; ++i)
        if (moved[i - first] != kGone) boxes_[moved[i - first]] = boxes_[i];
    boxes_.resize(out);
    return out;
}

int EntityIndex::Column(double x) const {
    return std::clamp(static_cast<int>(std::floor((x - bounds_.minX) / cellWidth_)), 0, columns_ - 1);
}

int EntityIndex::Row(double y) const {
    return std::clamp(static_cast<int>(std::floor((y - bounds_.minY) / cellHeight_)), 0, rows_ - 1);
}

std::vector<std::size_t> EntityIndex::Query(const Rect& area) const {
    std::vector<std::size_t> out;
    if (area.empty) return out;
    auto take = [&](std::uint32_t i) {
        if (boxes_[i].Overlaps(area)) out.push_back(i);
    };
    for (std::uint32_t i : large_) take(i);
    for (std::uint32_t i : outside_) take(i);
    if (bounds_.Overlaps(area)) {
        const int c0 = Column(area.minX), c1 = Column(area.maxX), r0 = Row(area.minY), r1 = Row(area.maxY);
        for (int r = r0; r <= r1; ++r)
            for (int c = c0; c <= c1; ++c)
                for (std::uint32_t i : cells_[static_cast<std::size_t>(r) * columns_ + c]) take(i);
    }
    std::sort(out.begin(), out.end());
    out.erase(std::unique(out.begin(), out.end()), out.end());
    return out;
}

} // namespace cad
