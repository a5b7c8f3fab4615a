#include "cad/drawing/extents.h"

#include <cmath>

namespace cad {

namespace {

constexpr int kMaxNesting = 32;

Polyline SampledArc(Point centre, double radius, double start, double sweep, const Affine& map) {
    const int steps = std::max(2, static_cast<int>(std::ceil(sweep / 5.0)));
    Polyline out;
    for (int i = 0; i <= steps; ++i) {
        const double a = Radians(start + sweep * i / steps);
        out.vertices.push_back(map.Apply({centre.x + radius * std::cos(a), centre.y + radius * std::sin(a), centre.z}));
    }
    return out;
}

struct Transformer {
    const Affine& m;

    Shape operator()(const Line& s) const { return Line{m.Apply(s.a), m.Apply(s.b)}; }
    Shape operator()(const Polyline& s) const {
        const bool keepsArcs = m.IsSimilarity();
        const Polyline& straight = keepsArcs ? s : Flattened(s);
        Polyline out;
        out.vertices.reserve(straight.vertices.size());
        for (const Point& p : straight.vertices) out.vertices.push_back(m.Apply(p));
        if (keepsArcs) {
            out.bulges = s.bulges;
            if (m.Mirrors()) // a mirror turns every arc round
                for (double& b : out.bulges) b = -b;
        }
        return out;
    }
    Shape operator()(const Circle& s) const {
        if (!m.IsSimilarity()) return SampledArc(s.centre, s.radius, 0, 360, m);
        return Circle{m.Apply(s.centre), s.radius * m.Scale()};
    }
    Shape operator()(const Arc& s) const {
        if (!m.IsSimilarity())
            return SampledArc(s.centre, s.radius, s.startAngle, NormalizeDegrees(s.endAngle - s.startAngle), m);
        Arc out{m.Apply(s.centre), s.radius * m.Scale(), m.MapAngle(s.startAngle), m.MapAngle(s.endAngle)};
        if (m.Mirrors()) std::swap(out.startAngle, out.endAngle); // a mirror turns the sweep round
        return out;
    }
    Shape operator()(const Text& s) const {
        Text out = s;
        out.position = m.Apply(s.position);
        out.height = s.height * m.Scale();
        out.rotation = m.MapAngle(s.rotation);
        return out;
    }
    Shape operator()(const Insert& s) const {
        Insert out = s;
        out.position = m.Apply(s.position);
        const double k = m.Scale();
        out.scaleX = s.scaleX * k * (m.Mirrors() ? -1 : 1);
        out.scaleY = s.scaleY * k;
        out.rotation = m.Mirrors() ? NormalizeDegrees(m.MapAngle(s.rotation) + 180) : m.MapAngle(s.rotation);
        return out;
    }
};

void Expand(const Drawing& drawing, const Insert& insert, const Affine& outer, int depth,
            const std::function<void(const Shape&)>& visit) {
    if (depth >= kMaxNesting) return;
    const Block* block = drawing.FindBlock(insert.block);
    if (!block) return;
    const Affine map = InsertPlacement(drawing, insert).Then(outer);
    for (const Entity& e : block->entities) {
        if (const auto* nested = std::get_if<Insert>(&e.shape)) Expand(drawing, *nested, map, depth + 1, visit);
        else visit(TransformShape(e.shape, map));
    }
}

} // namespace

Shape TransformShape(const Shape& shape, const Affine& map) { return std::visit(Transformer{map}, shape); }

Affine InsertPlacement(const Drawing& drawing, const Insert& insert) {
    const Block* block = drawing.FindBlock(insert.block);
    const Point base = block ? block->base : Point{};
    return Affine::Placement(base, insert.scaleX, insert.scaleY, insert.rotation, insert.position);
}

void ForEachPlacedShape(const Drawing& drawing, const Insert& insert, const Affine& outer,
                        const std::function<void(const Shape&)>& visit) {
    Expand(drawing, insert, outer, 0, visit);
}

std::vector<Point> TextCorners(const Text& t) {
    const double w = TextWidth(t);
    const double c = std::cos(Radians(t.rotation)), s = std::sin(Radians(t.rotation));
    const Point p = t.position;
    auto at = [&](double u, double v) { return Point{p.x + u * c - v * s, p.y + u * s + v * c, p.z}; };
    return {at(0, 0), at(w, 0), at(w, t.height), at(0, t.height)};
}

namespace {
void AddArc(Rect& r, const Arc& s) {
    r.Add(s.Start());
    r.Add(s.End());
    for (int q = 0; q < 360; q += 90)
        if (s.Covers(q))
            r.Add(Point{s.centre.x + s.radius * std::cos(Radians(q)), s.centre.y + s.radius * std::sin(Radians(q))});
}
} // namespace

Rect ShapeExtents(const Drawing& drawing, const Shape& shape) {
    Rect r;
    if (const auto* s = std::get_if<Line>(&shape)) {
        r.Add(s->a);
        r.Add(s->b);
    } else if (const auto* s = std::get_if<Polyline>(&shape)) {
        for (const Point& p : s->vertices) r.Add(p);
        for (std::size_t i = 0; i + 1 < s->vertices.size(); ++i)
            if (s->Bulge(i) != 0) AddArc(r, BulgeArc(s->vertices[i], s->vertices[i + 1], s->Bulge(i)));
    } else if (const auto* s = std::get_if<Circle>(&shape)) {
        r.Add(Point{s->centre.x - s->radius, s->centre.y - s->radius});
        r.Add(Point{s->centre.x + s->radius, s->centre.y + s->radius});
    } else if (const auto* s = std::get_if<Arc>(&shape)) {
        AddArc(r, *s);
    } else if (const auto* s = std::get_if<Text>(&shape)) {
        for (const Point& p : TextCorners(*s)) r.Add(p);
    } else if (const auto* s = std::get_if<Insert>(&shape)) {
        ForEachPlacedShape(drawing, *s, Affine{}, [&](const Shape& placed) { r.Add(ShapeExtents(drawing, placed)); });
        if (r.empty) r.Add(s->position);
    }
    return r;
}

Rect DrawingExtents(const Drawing& drawing) {
    Rect r;
    for (const Entity& e : drawing.Entities()) r.Add(ShapeExtents(drawing, e.shape));
    return r;
}

} // namespace cad
