#pragma once
// Where entities lie: their shapes mapped by an affine map, the world shapes of a block
// insert, and bounding rectangles.
#include "cad/drawing/drawing.h"

#include <functional>

namespace cad {

// The shape under the map. Exact for similarities; under a non-uniform scale circles and
// arcs become polylines through 72 points per turn and texts keep their proportions.
Shape TransformShape(const Shape& shape, const Affine& map);

// Calls `visit` with every shape of the insert's block, mapped to world coordinates; nested
// inserts are expanded (to a depth of 32 blocks) and not visited themselves.
void ForEachPlacedShape(const Drawing& drawing, const Insert& insert, const Affine& outer,
                        const std::function<void(const Shape&)>& visit);

// The map from the insert's block coordinates to the coordinates the insert lives in.
Affine InsertPlacement(const Drawing& drawing, const Insert& insert);

// The four corners of a text's box (baseline start, baseline end, top end, top start).
std::vector<Point> TextCorners(const Text& text);

Rect ShapeExtents(const Drawing& drawing, const Shape& shape);
Rect DrawingExtents(const Drawing& drawing);

} // namespace cad
