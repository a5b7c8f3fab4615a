#include "cad/drawing/selection.h"

#include "cad/drawing/entity_index.h"
#include "cad/drawing/extents.h"

#include <cmath>

namespace cad {

namespace {

bool PolygonTouchesRect(const std::vector<Point>& ring, const Rect& r) {
    for (std::size_t i = 0; i < ring.size(); ++i)
        if (SegmentTouchesRect(ring[i], ring[(i + 1) % ring.size()], r)) return true;
    // The rectangle may lie wholly inside the polygon: test its centre by ray crossing.
    const Point c{(r.minX + r.maxX) / 2, (r.minY + r.maxY) / 2};
    bool inside = false;
    for (std::size_t i = 0, j = ring.size() - 1; i < ring.size(); j = i++) {
        const Point a = ring[i], b = ring[j];
        if ((a.y > c.y) != (b.y > c.y) && c.x < (b.x - a.x) * (c.y - a.y) / (b.y - a.y) + a.x) inside = !inside;
    }
    return inside;
}

// Whether the circle's curve meets the segment a-b at a direction the predicate accepts.
template <class Accept>
bool CurveMeetsSegment(Point c, double r, Point a, Point b, Accept accept) {
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double fx = a.x - c.x, fy = a.y - c.y;
    const double qa = dx * dx + dy * dy, qb = 2 * (fx * dx + fy * dy), qc = fx * fx + fy * fy - r * r;
    if (qa == 0) return false;
    const double disc = qb * qb - 4 * qa * qc;
    if (disc < 0) return false;
    const double root = std::sqrt(disc);
    for (double t : {(-qb - root) / (2 * qa), (-qb + root) / (2 * qa)}) {
        if (t < 0 || t > 1) continue;
        const double x = a.x + t * dx - c.x, y = a.y + t * dy - c.y;
        if (accept(Degrees(std::atan2(y, x)))) return true;
    }
    return false;
}

template <class Accept>
bool CurveMeetsRectEdges(Point c, double radius, const Rect& r, Accept accept) {
    const Point p[4] = {{r.minX, r.minY}, {r.maxX, r.minY}, {r.maxX, r.maxY}, {r.minX, r.maxY}};
    for (int i = 0; i < 4; ++i)
        if (CurveMeetsSegment(c, radius, p[i], p[(i + 1) % 4], accept)) return true;
    return false;
}

} // namespace

bool ShapeTouchesRect(const Drawing& drawing, const Shape& shape, const Rect& r) {
    if (const auto* s = std::get_if<Line>(&shape)) return SegmentTouchesRect(s->a, s->b, r);
    if (const auto* s = std::get_if<Polyline>(&shape)) {
        if (s->HasArcs()) return ShapeTouchesRect(drawing, Flattened(*s, 1), r);
        if (s->vertices.size() == 1) return r.Contains(s->vertices[0]);
        for (std::size_t i = 1; i < s->vertices.size(); ++i)
            if (SegmentTouchesRect(s->vertices[i - 1], s->vertices[i], r)) return true;
        return false;
    }
    if (const auto* s = std::get_if<Circle>(&shape)) {
        if (r.ContainsRect(ShapeExtents(drawing, shape))) return true;
        return CurveMeetsRectEdges(s->centre, s->radius, r, [](double) { return true; });
    }
    if (const auto* s = std::get_if<Arc>(&shape)) {
        if (r.Contains(s->Start()) || r.Contains(s->End())) return true;
        return CurveMeetsRectEdges(s->centre, s->radius, r, [&](double a) { return s->Covers(a); });
    }
    if (const auto* s = std::get_if<Text>(&shape)) return PolygonTouchesRect(TextCorners(*s), r);
    if (const auto* s = std::get_if<Insert>(&shape)) {
        bool touched = false;
        ForEachPlacedShape(drawing, *s, Affine{}, [&](const Shape& placed) {
            if (!touched) touched = ShapeTouchesRect(drawing, placed, r);
        });
        return touched;
    }
    return false;
}

// Only the entities whose extents meet the window are looked at, found through the index.
Selection SelectWindow(const Drawing& drawing, const Rect& window) {
    Selection out;
    const EntityIndex& index = drawing.Index();
    for (std::size_t i : index.Query(window))
        if (window.ContainsRect(index.Extents(i))) out.push_back(i);
    return out;
}

Selection SelectCrossing(const Drawing& drawing, const Rect& window) {
    Selection out;
    const EntityIndex& index = drawing.Index();
    const auto& all = drawing.Entities();
    for (std::size_t i : index.Query(window))
        if (window.ContainsRect(index.Extents(i)) || ShapeTouchesRect(drawing, all[i].shape, window)) out.push_back(i);
    return out;
}

std::optional<std::size_t> EntityAt(const Drawing& drawing, const std::vector<std::size_t>& candidates,
                                    const Rect& pickBox) {
    const auto& all = drawing.Entities();
    for (auto it = candidates.rbegin(); it != candidates.rend(); ++it)
        if (*it < all.size() && ShapeTouchesRect(drawing, all[*it].shape, pickBox)) return *it;
    return std::nullopt;
}

Selection SelectAll(const Drawing& drawing) {
    Selection out(drawing.Entities().size());
    for (std::size_t i = 0; i < out.size(); ++i) out[i] = i;
    return out;
}

} // namespace cad
