#include "cad/view/drawing_painter.h"

#include "cad/view/drawing_scene.h"

#include <algorithm>
#include <cmath>

namespace cad::view {

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
    DrawingScene(drawing).Paint(painter, worldToDevice, palette);
}

} // namespace cad::view
