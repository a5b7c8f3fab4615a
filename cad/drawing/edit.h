#pragma once
// Changes to the selected entities of model space. A selection holds ascending indices of
// Drawing::Entities() and is used up by the change (indices may shift afterwards).
#include "cad/drawing/selection.h"

namespace cad {

void MoveEntities(Drawing& drawing, const Selection& selection, Point displacement);
void RotateEntities(Drawing& drawing, const Selection& selection, Point centre, double degrees);
void EraseEntities(Drawing& drawing, const Selection& selection);

// Stretch by crossing windows: an entity wholly inside a window moves whole; of the others,
// line end points and polyline vertices inside a window move, an arc keeps its bulge between
// its moved end points, and circles, texts and inserts move when their definition point
// (centre, insertion point) lies inside a window.
void StretchEntities(Drawing& drawing, const Selection& selection, const std::vector<Rect>& windows,
                     Point displacement);

struct ExplodeResult {
    int exploded = 0;
    int refused = 0; // entities that cannot be broken up
};
// One level: an insert becomes the entities of its block placed where the insert stands
// (nested inserts stay inserts), a polyline becomes its segments as lines and arcs. The new entities
// go to the end of model space. An insert scaled unequally in x and y is refused when its
// block holds circles, arcs, polyline arcs, texts or inserts, which would lose their shape.
ExplodeResult ExplodeEntities(Drawing& drawing, const Selection& selection);

} // namespace cad
