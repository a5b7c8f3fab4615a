#pragma once
// The entities of model space by where they lie: a grid over the drawing's extents, so that
// the entities near a point or inside a window are found without looking at all of them.
// It follows changes at the end of model space (where new and edited entities usually are)
// without being built again, and erasures anywhere by moving the entities after them down
// (their extents kept, not computed again).
#include "cad/drawing/drawing.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace cad {

class EntityIndex {
public:
    explicit EntityIndex(const Drawing& drawing);

    // Brings the index up to the drawing, whose first `unchanged` entities are as and where
    // they were when the index last saw them.
    void Update(const Drawing& drawing, std::size_t unchanged);
    // Follows the erasure of the entities `gone` (ascending) from a drawing whose first
    // `unchanged` entities the index holds as they are; returns how many of those are left.
    // The entities from `unchanged` on are forgotten, for Update to take again.
    std::size_t Erase(const std::vector<std::size_t>& gone, std::size_t unchanged);

    // The entities whose extents overlap the rectangle, in ascending order.
    std::vector<std::size_t> Query(const Rect& area) const;
    const Rect& Extents(std::size_t entity) const { return boxes_[entity]; }
    const Rect& Bounds() const { return bounds_; }
    // The revision of the drawing the index was built on.
    unsigned long Revision() const { return revision_; }

private:
    void BuildGrid();
    void Place(std::size_t entity);
    // Calls `visit` once for every cell that holds one of the entities from `first` on, and
    // perhaps for other cells.
    template <class Visit>
    void ForEachCellFrom(std::size_t first, Visit visit);
    void Forget(std::size_t first);
    int Column(double x) const;
    int Row(double y) const;

    unsigned long revision_;
    Rect bounds_;
    int columns_ = 1, rows_ = 1;
    double cellWidth_ = 1, cellHeight_ = 1;
    std::vector<Rect> boxes_;
    std::vector<std::vector<std::uint32_t>> cells_;
    std::vector<std::uint32_t> large_;   // entities over many cells, looked at in every query
    std::vector<std::uint32_t> outside_; // entities added beyond the grid, likewise
};

} // namespace cad
