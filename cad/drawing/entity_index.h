#pragma once
// The entities of model space by where they lie: a grid over the drawing's extents, so that
// the entities near a point or inside a window are found without looking at all of them.
#include "cad/drawing/drawing.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace cad {

class EntityIndex {
public:
    explicit EntityIndex(const Drawing& drawing);

    // The entities whose extents overlap the rectangle, in ascending order.
    std::vector<std::size_t> Query(const Rect& area) const;
    const Rect& Extents(std::size_t entity) const { return boxes_[entity]; }
    const Rect& Bounds() const { return bounds_; }
    // The revision of the drawing the index was built on.
    unsigned long Revision() const { return revision_; }

private:
    int Column(double x) const;
    int Row(double y) const;

    unsigned long revision_;
    Rect bounds_;
    int columns_ = 1, rows_ = 1;
    double cellWidth_ = 1, cellHeight_ = 1;
    std::vector<Rect> boxes_;
    std::vector<std::vector<std::uint32_t>> cells_;
    std::vector<std::uint32_t> large_;  // entities over many cells, looked at in every query
};

} // namespace cad
