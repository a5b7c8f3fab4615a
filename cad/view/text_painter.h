#pragma once
// Texts drawn as the CAD measures them: the height is that of the capital letters and of the
// full-width characters, which stand on the baseline; half-width characters advance 0.6 of
// the height and full-width ones a whole height (TextWidth), in a Japanese-capable font.
#include "cad/drawing/entity.h"

#include <QColor>
#include <QPainter>
#include <QTransform>

namespace cad::view {

// Texts smaller than this on screen are left out.
inline constexpr double kSmallestTextPixels = 1.5;

void PaintText(QPainter& painter, const Text& text, const QTransform& worldToDevice, const QColor& colour);

} // namespace cad::view
