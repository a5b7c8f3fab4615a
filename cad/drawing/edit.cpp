#include "cad/drawing/edit.h"

#include "cad/drawing/extents.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

namespace cad {

namespace {

// The entities for a change of the selected ones (ascending) and of those after them.
std::vector<Entity>& EntitiesFromFirst(Drawing& drawing, const Selection& selection) {
    return drawing.EntitiesFrom(selection.empty() ? std::as_const(drawing).Entities().size() : selection.front());
}

void TransformSelected(Drawing& drawing, const Selection& selection, const Affine& map) {
    auto& all = EntitiesFromFirst(drawing, selection);
    for (std::size_t i : selection) all[i].shape = TransformShape(all[i].shape, map);
}

bool InAny(const std::vector<Rect>& windows, Point p) {
    for (const Rect& w : windows)
        if (w.Contains(p)) return true;
    return false;
}

std::optional<Point> CircleCentreThrough(Point a, Point b, Point c) {
    const double d = 2 * (a.x * (b.y - c.y) + b.x * (c.y - a.y) + c.x * (a.y - b.y));
    if (d == 0) return std::nullopt;
    const double a2 = a.x * a.x + a.y * a.y, b2 = b.x * b.x + b.y * b.y, c2 = c.x * c.x + c.y * c.y;
    return Point{(a2 * (b.y - c.y) + b2 * (c.y - a.y) + c2 * (a.y - b.y)) / d,
                 (a2 * (c.x - b.x) + b2 * (a.x - c.x) + c2 * (b.x - a.x)) / d, a.z};
}

// The arc between new end points with the same signed chord height as before.
void StretchArc(Arc& arc, Point start, Point end) {
    const Point s = arc.Start(), e = arc.End();
    const double mid = arc.startAngle + NormalizeDegrees(arc.endAngle - arc.startAngle) / 2;
    const Point m{arc.centre.x + arc.radius * std::cos(Radians(mid)),
                  arc.centre.y + arc.radius * std::sin(Radians(mid))};
    const double chord = std::hypot(e.x - s.x, e.y - s.y), chord2 = std::hypot(end.x - start.x, end.y - start.y);
    if (chord == 0 || chord2 == 0) return;
    const double h = ((m.x - (s.x + e.x) / 2) * -(e.y - s.y) + (m.y - (s.y + e.y) / 2) * (e.x - s.x)) / chord;
    const Point m2{(start.x + end.x) / 2 - h * (end.y - start.y) / chord2,
                   (start.y + end.y) / 2 + h * (end.x - start.x) / chord2};
    const auto c = CircleCentreThrough(start, m2, end);
    if (!c) return;
    arc.centre = *c;
    arc.radius = std::hypot(start.x - c->x, start.y - c->y);
    arc.startAngle = NormalizeDegrees(Degrees(std::atan2(start.y - c->y, start.x - c->x)));
    arc.endAngle = NormalizeDegrees(Degrees(std::atan2(end.y - c->y, end.x - c->x)));
}

struct Stretcher {
    const std::vector<Rect>& windows;
    Point d;

    Point Moved(Point p) const { return InAny(windows, p) ? p + d : p; }
    void operator()(Line& s) const {
        s.a = Moved(s.a);
        s.b = Moved(s.b);
    }
    void operator()(Polyline& s) const {
        for (Point& p : s.vertices) p = Moved(p);
    }
    void operator()(Circle& s) const { s.centre = Moved(s.centre); }
    void operator()(Arc& s) const {
        const bool startIn = InAny(windows, s.Start()), endIn = InAny(windows, s.End());
        if (startIn && endIn) s.centre = s.centre + d;
        else if (startIn || endIn) StretchArc(s, Moved(s.Start()), Moved(s.End()));
    }
    void operator()(Text& s) const { s.position = Moved(s.position); }
    void operator()(Insert& s) const { s.position = Moved(s.position); }
};

bool HoldsOnlyStraights(const Block& block) {
    for (const Entity& e : block.entities) {
        const auto* pl = std::get_if<Polyline>(&e.shape);
        if (!std::holds_alternative<Line>(e.shape) && !(pl && !pl->HasArcs())) return false;
    }
    return true;
}

} // namespace

void MoveEntities(Drawing& drawing, const Selection& selection, Point displacement) {
    TransformSelected(drawing, selection, Affine::Translation(displacement));
}

void RotateEntities(Drawing& drawing, const Selection& selection, Point centre, double degrees) {
    TransformSelected(drawing, selection, Affine::Rotation(centre, degrees));
}

void EraseEntities(Drawing& drawing, const Selection& selection) { drawing.Erase(selection); }

void StretchEntities(Drawing& drawing, const Selection& selection, const std::vector<Rect>& windows,
                     Point displacement) {
    auto& all = EntitiesFromFirst(drawing, selection);
    const Affine move = Affine::Translation(displacement);
    for (std::size_t i : selection) {
        Entity& e = all[i];
        const Rect box = ShapeExtents(drawing, e.shape);
        bool whole = false;
        for (const Rect& w : windows) whole = whole || w.ContainsRect(box);
        if (whole) e.shape = TransformShape(e.shape, move);
        else std::visit(Stretcher{windows, displacement}, e.shape);
    }
}

ExplodeResult ExplodeEntities(Drawing& drawing, const Selection& selection) {
    ExplodeResult result;
    std::vector<Entity> added;
    Selection gone;
    const auto& all = std::as_const(drawing).Entities();
    for (std::size_t i : selection) {
        const Entity& e = all[i];
        if (const auto* ins = std::get_if<Insert>(&e.shape)) {
            const Block* block = drawing.FindBlock(ins->block);
            const Affine map = InsertPlacement(drawing, *ins);
            if (!block || (!map.IsSimilarity() && !HoldsOnlyStraights(*block))) {
                ++result.refused;
                continue;
            }
            for (const Entity& part : block->entities)
                added.push_back(Entity{TransformShape(part.shape, map), part.colour});
        } else if (const auto* pl = std::get_if<Polyline>(&e.shape)) {
            for (std::size_t k = 1; k < pl->vertices.size(); ++k) {
                const Point a = pl->vertices[k - 1], b = pl->vertices[k];
                const double bulge = pl->Bulge(k - 1);
                if (bulge == 0) added.push_back(Entity{Line{a, b}, e.colour});
                else added.push_back(Entity{BulgeArc(a, b, bulge), e.colour});
            }
        } else {
            ++result.refused;
            continue;
        }
        ++result.exploded;
        gone.push_back(i);
    }
    drawing.Erase(gone);
    auto& end = drawing.EntitiesFrom(all.size());
    for (Entity& e : added) end.push_back(std::move(e));
    return result;
}

} // namespace cad
