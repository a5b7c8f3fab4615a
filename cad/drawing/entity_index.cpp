#include "cad/drawing/entity_index.h"

#include "cad/drawing/extents.h"

#include <algorithm>
#include <cmath>

namespace cad {

namespace {
constexpr int kMaxCellsAcross = 512;
constexpr long kLargeCells = 64;  // an entity over more cells than this goes to the large list
} // namespace

EntityIndex::EntityIndex(const Drawing& drawing) : revision_(drawing.Revision()) {
    const auto& all = drawing.Entities();
    boxes_.reserve(all.size());
    for (const Entity& e : all) {
        boxes_.push_back(ShapeExtents(drawing, e.shape));
        bounds_.Add(boxes_.back());
    }
    if (bounds_.empty) return;
    // About four entities a cell.
    const int across = std::clamp(static_cast<int>(std::sqrt(static_cast<double>(all.size()) / 4)), 1, kMaxCellsAcross);
    columns_ = rows_ = across;
    cellWidth_ = std::max((bounds_.maxX - bounds_.minX) / columns_, 1e-9);
    cellHeight_ = std::max((bounds_.maxY - bounds_.minY) / rows_, 1e-9);
    cells_.resize(static_cast<std::size_t>(columns_) * rows_);
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        const Rect& b = boxes_[i];
        if (b.empty) continue;
        const int c0 = Column(b.minX), c1 = Column(b.maxX), r0 = Row(b.minY), r1 = Row(b.maxY);
        if (static_cast<long>(c1 - c0 + 1) * (r1 - r0 + 1) > kLargeCells) {
            large_.push_back(static_cast<std::uint32_t>(i));
            continue;
        }
        for (int r = r0; r <= r1; ++r)
            for (int c = c0; c <= c1; ++c) cells_[static_cast<std::size_t>(r) * columns_ + c].push_back(static_cast<std::uint32_t>(i));
    }
}

int EntityIndex::Column(double x) const {
    return std::clamp(static_cast<int>(std::floor((x - bounds_.minX) / cellWidth_)), 0, columns_ - 1);
}

int EntityIndex::Row(double y) const {
    return std::clamp(static_cast<int>(std::floor((y - bounds_.minY) / cellHeight_)), 0, rows_ - 1);
}

std::vector<std::size_t> EntityIndex::Query(const Rect& area) const {
    std::vector<std::size_t> out;
    if (area.empty || !bounds_.Overlaps(area)) return out;
    auto take = [&](std::uint32_t i) {
        if (boxes_[i].Overlaps(area)) out.push_back(i);
    };
    for (std::uint32_t i : large_) take(i);
    const int c0 = Column(area.minX), c1 = Column(area.maxX), r0 = Row(area.minY), r1 = Row(area.maxY);
    for (int r = r0; r <= r1; ++r)
        for (int c = c0; c <= c1; ++c)
            for (std::uint32_t i : cells_[static_cast<std::size_t>(r) * columns_ + c]) take(i);
    std::sort(out.begin(), out.end());
    out.erase(std::unique(out.begin(), out.end()), out.end());
    return out;
}

} // namespace cad
