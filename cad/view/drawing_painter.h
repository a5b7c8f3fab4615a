#pragma once
// Paints a drawing with QPainter: entities in their colours (by-layer and white in the
// foreground colour), block inserts expanded, texts at their height and rotation in a
// Japanese-capable font.
#include "cad/drawing/drawing.h"

#include <QColor>
#include <QPainter>
#include <QRectF>
#include <QTransform>

namespace cad::view {

struct Palette {
    QColor background;
    QColor foreground; // colour 7 and by-layer entities on layer 0
};

// The map of world coordinates (y up) onto the device rectangle, showing `world` whole and
// centred with `marginPixels` free around it.
QTransform FitWorld(const Rect& world, const QRectF& device, double marginPixels);

// Paints the drawing once; a screen that repaints keeps a DrawingScene instead.
void PaintDrawing(QPainter& painter, const Drawing& drawing, const QTransform& worldToDevice, const Palette& palette);

// The colour a colour number shows in.
QColor ColourOf(int colour, const Palette& palette);

} // namespace cad::view
