#include "cad/drawing/snap.h"

#include "cad/drawing/extents.h"

#include <algorithm>
#include <cmath>

namespace cad {

namespace {

constexpr std::size_t kMaxIntersectionPieces = 64;

// A straight segment or a circular arc (a full circle when `full`).
struct Piece {
    bool straight = true;
    Point a, b;
    Arc arc;
    bool full = false;
};

double PlanDistance(Point p, Point q) { return std::hypot(p.x - q.x, p.y - q.y); }

Point OnSegment(const Piece& s, double t) {
    return {s.a.x + t * (s.b.x - s.a.x), s.a.y + t * (s.b.y - s.a.y), s.a.z + t * (s.b.z - s.a.z)};
}

Point OnCircle(const Arc& a, double degrees) {
    return {a.centre.x + a.radius * std::cos(Radians(degrees)), a.centre.y + a.radius * std::sin(Radians(degrees)),
            a.centre.z};
}

bool OnPiece(const Piece& p, Point q) {
    if (p.straight) return true; // callers pass points already on the segment
    return p.full || p.arc.Covers(Degrees(std::atan2(q.y - p.arc.centre.y, q.x - p.arc.centre.x)));
}

class Finder {
public:
    Finder(const Drawing& d, Point cursor, double aperture)
            : d_(d), cursor_(cursor), box_(Rect::FromCorners({cursor.x - aperture, cursor.y - aperture},
                                                             {cursor.x + aperture, cursor.y + aperture})) {}

    void Collect(const Shape& shape) {
        if (const auto* ins = std::get_if<Insert>(&shape)) {
            ForEachPlacedShape(d_, *ins, Affine{}, [&](const Shape& placed) { Collect(placed); });
            return;
        }
        if (!box_.Overlaps(ShapeExtents(d_, shape))) return;
        if (const auto* l = std::get_if<Line>(&shape)) Add(Segment(l->a, l->b));
        else if (const auto* pl = std::get_if<Polyline>(&shape)) {
            for (std::size_t i = 0; i + 1 < pl->vertices.size(); ++i) {
                const Point a = pl->vertices[i], b = pl->vertices[i + 1];
                if (pl->Bulge(i) == 0) Add(Segment(a, b));
                else Add(Curve(BulgeArc(a, b, pl->Bulge(i)), false));
            }
        } else if (const auto* c = std::get_if<Circle>(&shape)) Add(Curve(Arc{c->centre, c->radius, 0, 360}, true));
        else if (const auto* a = std::get_if<Arc>(&shape)) Add(Curve(*a, false));
    }

    std::optional<SnapPoint> Best() {
        for (const Piece& p : pieces_) {
            if (p.straight) {
                Offer(p.a, SnapKind::EndPoint);
                Offer(p.b, SnapKind::EndPoint);
                Offer(OnSegment(p, 0.5), SnapKind::MidPoint);
            } else if (!p.full) {
                Offer(p.arc.Start(), SnapKind::EndPoint);
                Offer(p.arc.End(), SnapKind::EndPoint);
                Offer(OnCircle(p.arc, p.arc.startAngle + NormalizeDegrees(p.arc.endAngle - p.arc.startAngle) / 2),
                      SnapKind::MidPoint);
            }
        }
        if (pieces_.size() <= kMaxIntersectionPieces)
            for (std::size_t i = 0; i < pieces_.size(); ++i)
                for (std::size_t j = i + 1; j < pieces_.size(); ++j) Intersect(pieces_[i], pieces_[j]);
        if (best_) return best_;
        for (const Piece& p : pieces_) Offer(Nearest(p), SnapKind::Nearest);
        return best_;
    }

private:
    static Piece Segment(Point a, Point b) { return Piece{true, a, b, {}, false}; }
    static Piece Curve(const Arc& a, bool full) { return Piece{false, {}, {}, a, full}; }

    void Add(const Piece& p) { pieces_.push_back(p); }

    void Offer(Point p, SnapKind kind) {
        if (!box_.Contains(p)) return;
        const double d = PlanDistance(p, cursor_);
        if (best_ && d >= bestDistance_) return;
        best_ = SnapPoint{p, kind};
        bestDistance_ = d;
    }

    Point Nearest(const Piece& p) const {
        if (p.straight) {
            const double dx = p.b.x - p.a.x, dy = p.b.y - p.a.y, len2 = dx * dx + dy * dy;
            const double t =
                len2 == 0 ? 0 : std::clamp(((cursor_.x - p.a.x) * dx + (cursor_.y - p.a.y) * dy) / len2, 0.0, 1.0);
            return OnSegment(p, t);
        }
        const double at = Degrees(std::atan2(cursor_.y - p.arc.centre.y, cursor_.x - p.arc.centre.x));
        if (p.full || p.arc.Covers(at)) return OnCircle(p.arc, at);
        const Point s = p.arc.Start(), e = p.arc.End();
        return PlanDistance(s, cursor_) <= PlanDistance(e, cursor_) ? s : e;
    }

    void Intersect(const Piece& p, const Piece& q) {
        if (p.straight && q.straight) return SegmentSegment(p, q);
        if (p.straight) return SegmentCurve(p, q);
        if (q.straight) return SegmentCurve(q, p);
        CurveCurve(p, q);
    }

    void SegmentSegment(const Piece& p, const Piece& q) {
        const double rx = p.b.x - p.a.x, ry = p.b.y - p.a.y, sx = q.b.x - q.a.x, sy = q.b.y - q.a.y;
        const double den = rx * sy - ry * sx;
        if (den == 0) return;
        const double t = ((q.a.x - p.a.x) * sy - (q.a.y - p.a.y) * sx) / den;
        const double u = ((q.a.x - p.a.x) * ry - (q.a.y - p.a.y) * rx) / den;
        if (t < 0 || t > 1 || u < 0 || u > 1) return;
        Offer(OnSegment(p, t), SnapKind::Intersection);
    }

    void SegmentCurve(const Piece& s, const Piece& c) {
        const double dx = s.b.x - s.a.x, dy = s.b.y - s.a.y;
        const double fx = s.a.x - c.arc.centre.x, fy = s.a.y - c.arc.centre.y;
        const double qa = dx * dx + dy * dy, qb = 2 * (fx * dx + fy * dy),
                     qc = fx * fx + fy * fy - c.arc.radius * c.arc.radius;
        const double disc = qb * qb - 4 * qa * qc;
        if (qa == 0 || disc < 0) return;
        for (double t : {(-qb - std::sqrt(disc)) / (2 * qa), (-qb + std::sqrt(disc)) / (2 * qa)}) {
            if (t < 0 || t > 1) continue;
            const Point at = OnSegment(s, t);
            if (OnPiece(c, at)) Offer(at, SnapKind::Intersection);
        }
    }

    void CurveCurve(const Piece& p, const Piece& q) {
        const Point c0 = p.arc.centre, c1 = q.arc.centre;
        const double r0 = p.arc.radius, r1 = q.arc.radius, d = PlanDistance(c0, c1);
        if (d == 0 || d > r0 + r1 || d < std::fabs(r0 - r1)) return;
        const double a = (r0 * r0 - r1 * r1 + d * d) / (2 * d), h = std::sqrt(std::max(0.0, r0 * r0 - a * a));
        const double mx = c0.x + a * (c1.x - c0.x) / d, my = c0.y + a * (c1.y - c0.y) / d;
        for (double sign : {-1.0, 1.0}) {
            const Point at{mx + sign * h * (c1.y - c0.y) / d, my - sign * h * (c1.x - c0.x) / d, c0.z};
            if (OnPiece(p, at) && OnPiece(q, at)) Offer(at, SnapKind::Intersection);
        }
    }

    const Drawing& d_;
    Point cursor_;
    Rect box_;
    std::vector<Piece> pieces_;
    std::optional<SnapPoint> best_;
    double bestDistance_ = 0;
};

} // namespace

std::optional<SnapPoint> FindSnap(const Drawing& drawing, const std::vector<std::size_t>& candidates, Point cursor,
                                  double aperture) {
    Finder finder(drawing, cursor, aperture);
    const auto& all = drawing.Entities();
    for (std::size_t i : candidates)
        if (i < all.size()) finder.Collect(all[i].shape);
    return finder.Best();
}

} // namespace cad
