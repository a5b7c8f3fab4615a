#pragma once
// Object snaps: the exact point of a drawn entity that a pick near it stands for, so that a
// point picked with the mouse is an end point, a mid point or an intersection of what is
// drawn, or at least lies on it. 3D lines give their 3D points.
#include "cad/drawing/drawing.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace cad {

enum class SnapKind { EndPoint, MidPoint, Intersection, Nearest };

struct SnapPoint {
    Point point;
    SnapKind kind;
};

// Among the candidate entities (indices of Drawing::Entities(), e.g. those an index finds
// near the cursor), the end, mid or intersection point nearest the cursor inside the
// aperture (the square of half side `aperture` about the cursor); failing those, the point of
// a line or curve nearest the cursor inside it. Block inserts snap to the entities of their
// block where they stand. None when nothing drawn comes inside the aperture.
std::optional<SnapPoint> FindSnap(const Drawing& drawing, const std::vector<std::size_t>& candidates, Point cursor,
                                  double aperture);

} // namespace cad
