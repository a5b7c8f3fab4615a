#include "cad/view/drawing_scene.h"

#include "cad/drawing/extents.h"
#include "cad/view/text_painter.h"

#include <QPen>

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>

namespace cad::view {

namespace {

constexpr int kMaxNesting = 32;
constexpr int kTilesAcross = 32;
constexpr double kChordDegrees = 2;        // polyline arcs as chords of 2 degrees: within 0.02 % of the radius
constexpr double kChordErrorPixels = 0.25; // curves on screen stray from their chords by at most this

} // namespace

struct DrawingScene::Item {
    int colour;
    std::vector<QLineF> lines;
    std::optional<Curve> curve;
    std::optional<Text> text;
    Rect box;
};

namespace {

class Collector {
public:
    Collector(const Drawing& d, std::vector<DrawingScene::Item>& items) : d_(d), items_(items) {}

    void Entity(const cad::Entity& e, const Affine& map, int inherited, int depth, bool placed) {
        const int colour = e.colour == kByBlock ? inherited : e.colour;
        if (const auto* ins = std::get_if<Insert>(&e.shape)) {
            const Block* block = d_.FindBlock(ins->block);
            if (!block || depth >= kMaxNesting) return;
            const Affine inner = InsertPlacement(d_, *ins).Then(map);
            for (const cad::Entity& part : block->entities) Entity(part, inner, colour, depth + 1, true);
            return;
        }
        Shape(placed ? TransformShape(e.shape, map) : e.shape, colour);
    }

private:
    void Shape(const cad::Shape& s, int colour) {
        DrawingScene::Item item{colour, {}, std::nullopt, std::nullopt, {}};
        auto chain = [&](const std::vector<Point>& points) {
            for (std::size_t i = 1; i < points.size(); ++i)
                item.lines.emplace_back(points[i - 1].x, points[i - 1].y, points[i].x, points[i].y);
            for (const Point& p : points) item.box.Add(p);
        };
        if (const auto* l = std::get_if<Line>(&s)) {
            chain({l->a, l->b});
        } else if (const auto* pl = std::get_if<Polyline>(&s)) {
            chain(pl->HasArcs() ? Flattened(*pl, kChordDegrees).vertices : pl->vertices);
        } else if (const auto* c = std::get_if<Circle>(&s)) {
            item.curve = DrawingScene::Curve{c->centre.x, c->centre.y, c->radius, 0, 360};
            item.box = ShapeExtents(d_, s);
        } else if (const auto* a = std::get_if<Arc>(&s)) {
            const double sweep = NormalizeDegrees(a->endAngle - a->startAngle);
            item.curve =
                DrawingScene::Curve{a->centre.x, a->centre.y, a->radius, a->startAngle, sweep == 0 ? 360 : sweep};
            item.box = ShapeExtents(d_, s);
        } else if (const auto* t = std::get_if<Text>(&s)) {
            if (t->text.empty()) return;
            item.text = *t;
            item.box = ShapeExtents(d_, s);
        } else {
            return;
        }
        if (!item.box.empty) items_.push_back(std::move(item));
    }

    const Drawing& d_;
    std::vector<DrawingScene::Item>& items_;
};

// Chords of the curve, fine enough for a radius of `pixels` on screen, added to `out`.
void AddChords(const DrawingScene::Curve& c, double pixels, std::vector<QLineF>& out) {
    const double step = pixels <= kChordErrorPixels ? 90 : Degrees(2 * std::acos(1 - kChordErrorPixels / pixels));
    const int steps = std::clamp(static_cast<int>(std::ceil(c.sweep / std::max(step, 0.5))), 4, 720);
    QPointF from(c.cx + c.radius * std::cos(Radians(c.start)), c.cy + c.radius * std::sin(Radians(c.start)));
    for (int i = 1; i <= steps; ++i) {
        const double a = Radians(c.start + c.sweep * i / steps);
        const QPointF to(c.cx + c.radius * std::cos(a), c.cy + c.radius * std::sin(a));
        out.emplace_back(from, to);
        from = to;
    }
}

Rect Visible(const QTransform& worldToDevice, const QRect& device) {
    const QRectF world = worldToDevice.inverted().mapRect(QRectF(device));
    return Rect::FromCorners({world.left(), world.top()}, {world.right(), world.bottom()});
}

} // namespace

DrawingScene::DrawingScene(const Drawing& drawing) : revision_(drawing.Revision()) {
    std::vector<Item> items;
    Collector collect(drawing, items);
    for (const cad::Entity& e : drawing.Entities()) collect.Entity(e, Affine{}, kByLayer, 0, false);
    Build(items);
}

DrawingScene::DrawingScene(const Drawing& drawing, const std::vector<std::size_t>& entities)
        : revision_(drawing.Revision()) {
    std::vector<Item> items;
    Collector collect(drawing, items);
    const auto& all = drawing.Entities();
    for (std::size_t i : entities)
        if (i < all.size()) collect.Entity(all[i], Affine{}, kByLayer, 0, false);
    Build(items);
}

void DrawingScene::Build(std::vector<Item>& items) {
    for (const Item& item : items) bounds_.Add(item.box);
    if (bounds_.empty) return;
    const double w = std::max((bounds_.maxX - bounds_.minX) / kTilesAcross, 1e-9);
    const double h = std::max((bounds_.maxY - bounds_.minY) / kTilesAcross, 1e-9);
    tiles_.resize(kTilesAcross * kTilesAcross);
    std::vector<std::map<int, std::size_t>> batchOf(tiles_.size());
    for (Item& item : items) {
        const double cx = (item.box.minX + item.box.maxX) / 2, cy = (item.box.minY + item.box.maxY) / 2;
        const int col = std::clamp(static_cast<int>((cx - bounds_.minX) / w), 0, kTilesAcross - 1);
        const int row = std::clamp(static_cast<int>((cy - bounds_.minY) / h), 0, kTilesAcross - 1);
        const std::size_t at = static_cast<std::size_t>(row) * kTilesAcross + col;
        Tile& tile = tiles_[at];
        tile.bounds.Add(item.box);
        if (item.text) {
            tile.texts.push_back(SceneText{std::move(*item.text), item.colour});
            continue;
        }
        auto [it, fresh] = batchOf[at].try_emplace(item.colour, tile.batches.size());
        if (fresh) tile.batches.push_back(Batch{item.colour, {}, {}});
        Batch& batch = tile.batches[it->second];
        batch.lines.insert(batch.lines.end(), item.lines.begin(), item.lines.end());
        if (item.curve) batch.curves.push_back(*item.curve);
    }
    tiles_.erase(std::remove_if(tiles_.begin(), tiles_.end(), [](const Tile& t) { return t.bounds.empty; }),
                 tiles_.end());
}

void DrawingScene::Paint(QPainter& painter, const QTransform& worldToDevice, const Palette& palette,
                         const QColor* override, Qt::PenStyle style) const {
    const QRect device =
        painter.device() ? QRect(0, 0, painter.device()->width(), painter.device()->height()) : QRect();
    const Rect visible = Visible(worldToDevice, device);
    const double scale = std::sqrt(std::fabs(worldToDevice.determinant()));
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setTransform(worldToDevice);
    QPen pen;
    pen.setCosmetic(true);
    pen.setWidth(0);
    pen.setStyle(style);
    std::vector<QLineF> chords;
    for (const Tile& tile : tiles_) {
        if (!tile.bounds.Overlaps(visible)) continue;
        for (const Batch& b : tile.batches) {
            pen.setColor(override ? *override : ColourOf(b.colour, palette));
            painter.setPen(pen);
            painter.drawLines(b.lines.data(), static_cast<int>(b.lines.size()));
            if (b.curves.empty()) continue;
            chords.clear();
            for (const Curve& c : b.curves) AddChords(c, c.radius * scale, chords);
            painter.drawLines(chords.data(), static_cast<int>(chords.size()));
        }
    }
    painter.resetTransform();
    for (const Tile& tile : tiles_) {
        if (!tile.bounds.Overlaps(visible)) continue;
        for (const SceneText& t : tile.texts) {
            if (t.text.height * scale < kSmallestTextPixels) continue;
            PaintText(painter, t.text, worldToDevice, override ? *override : ColourOf(t.colour, palette));
        }
    }
    painter.restore();
}

} // namespace cad::view
