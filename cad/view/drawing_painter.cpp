#include "cad/view/drawing_painter.h"

#include "cad/drawing/extents.h"

#include <QFont>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace cad::view {

namespace {

constexpr int kMaxNesting = 32;

class Painter {
public:
    Painter(QPainter& p, const Drawing& d, const QTransform& t, const Palette& pal) : p_(p), d_(d), t_(t), pal_(pal) {}

    void Entities(const std::vector<Entity>& entities, const Affine& map, int inherited, int depth) {
        for (const Entity& e : entities) {
            const int colour = e.colour == kByBlock ? inherited : e.colour;
            if (const auto* ins = std::get_if<Insert>(&e.shape)) {
                const Block* block = d_.FindBlock(ins->block);
                if (block && depth < kMaxNesting)
                    Entities(block->entities, InsertPlacement(d_, *ins).Then(map), colour, depth + 1);
                continue;
            }
            Shape(TransformShape(e.shape, map), colour);
        }
    }

private:
    QPointF Dev(Point w) const { return t_.map(QPointF(w.x, w.y)); }

    void Shape(const cad::Shape& s, int colour) {
        QPen pen(ColourOf(colour, pal_));
        pen.setCosmetic(true);
        p_.setPen(pen);
        p_.setBrush(Qt::NoBrush);
        if (const auto* l = std::get_if<Line>(&s)) {
            p_.drawLine(Dev(l->a), Dev(l->b));
        } else if (const auto* pl = std::get_if<Polyline>(&s)) {
            QPolygonF poly;
            poly.reserve(static_cast<qsizetype>(pl->vertices.size()));
            for (const Point& v : pl->vertices) poly << Dev(v);
            p_.drawPolyline(poly);
        } else if (const auto* c = std::get_if<Circle>(&s)) {
            const double r = c->radius * Scale();
            p_.drawEllipse(Dev(c->centre), r, r);
        } else if (const auto* a = std::get_if<Arc>(&s)) {
            const double r = a->radius * Scale();
            const QPointF c = Dev(a->centre);
            QPainterPath path;
            const double sweep = NormalizeDegrees(a->endAngle - a->startAngle);
            path.arcMoveTo(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), a->startAngle);
            path.arcTo(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), a->startAngle, sweep == 0 ? 360 : sweep);
            p_.drawPath(path);
        } else if (const auto* t = std::get_if<Text>(&s)) {
            TextShape(*t);
        }
    }

    void TextShape(const Text& t) {
        const double pixels = t.height * Scale();
        if (pixels < 1 || t.text.empty()) return;
        QFont font("IPAGothic");
        font.setPixelSize(static_cast<int>(std::lround(pixels)));
        p_.save();
        p_.setFont(font);
        p_.translate(Dev(t.position));
        p_.rotate(-t.rotation);
        p_.drawText(QPointF(0, 0), QString::fromUtf8(t.text.data(), static_cast<qsizetype>(t.text.size())));
        p_.restore();
    }

    double Scale() const { return std::sqrt(std::fabs(t_.determinant())); }

    QPainter& p_;
    const Drawing& d_;
    const QTransform& t_;
    const Palette& pal_;
};

} // namespace

QTransform FitWorld(const Rect& world, const QRectF& device, double margin) {
    Rect w = world;
    if (w.empty) w = Rect::FromCorners({0, 0}, {100, 100});
    const double ww = std::max(w.maxX - w.minX, 1e-9), wh = std::max(w.maxY - w.minY, 1e-9);
    const double dw = std::max(device.width() - 2 * margin, 1.0), dh = std::max(device.height() - 2 * margin, 1.0);
    const double scale = std::min(dw / ww, dh / wh);
    const double cx = (w.minX + w.maxX) / 2, cy = (w.minY + w.maxY) / 2;
    QTransform t;
    t.translate(device.center().x(), device.center().y());
    t.scale(scale, -scale);
    t.translate(-cx, -cy);
    return t;
}

QColor ColourOf(int colour, const Palette& palette) {
    switch (colour) {
    case kRed: return QColor(255, 0, 0);
    case kYellow: return QColor(220, 200, 0);
    case kGreen: return QColor(0, 170, 0);
    case kCyan: return QColor(0, 170, 200);
    case kBlue: return QColor(0, 0, 255);
    case kMagenta: return QColor(200, 0, 200);
    case kWhite:
    case kByLayer:
    case kByBlock: return palette.foreground;
    default: return QColor(128, 128, 128);
    }
}

void PaintDrawing(QPainter& painter, const Drawing& drawing, const QTransform& worldToDevice, const Palette& palette) {
    painter.setRenderHint(QPainter::Antialiasing);
    Painter(painter, drawing, worldToDevice, palette).Entities(drawing.Entities(), Affine{}, kByLayer, 0);
}

} // namespace cad::view
