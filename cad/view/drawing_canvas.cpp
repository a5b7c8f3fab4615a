#include "cad/view/drawing_canvas.h"

#include "cad/drawing/extents.h"
#include "cad/view/drawing_painter.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <cmath>

namespace cad::view {

namespace {
const Palette kScreen{QColor(33, 40, 48), QColor(240, 240, 240)};
}

DrawingCanvas::DrawingCanvas(const Drawing& drawing, QWidget* parent) : QWidget(parent), drawing_(drawing) {
    setMinimumSize(320, 200);
    setAutoFillBackground(false);
}

void DrawingCanvas::ZoomExtents() {
    userView_.reset();
    update();
}

void DrawingCanvas::SetUserView(const QTransform& t) {
    userView_ = t;
    userViewOf_ = drawing_.ViewChanges();
    update();
}

QTransform DrawingCanvas::CurrentTransform() const {
    if (userView_ && userViewOf_ == drawing_.ViewChanges()) return *userView_;
    const Rect world = drawing_.View() ? *drawing_.View() : DrawingExtents(drawing_);
    return FitWorld(world, QRectF(rect()), 10);
}

void DrawingCanvas::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), kScreen.background);
    PaintDrawing(painter, drawing_, CurrentTransform(), kScreen);
}

void DrawingCanvas::wheelEvent(QWheelEvent* e) {
    const double factor = std::pow(1.0015, e->angleDelta().y());
    const QPointF at = e->position();
    QTransform zoom;
    zoom.translate(at.x(), at.y());
    zoom.scale(factor, factor);
    zoom.translate(-at.x(), -at.y());
    SetUserView(CurrentTransform() * zoom);
}

void DrawingCanvas::mousePressEvent(QMouseEvent* e) { dragFrom_ = e->pos(); }

void DrawingCanvas::mouseMoveEvent(QMouseEvent* e) {
    if (!(e->buttons() & (Qt::LeftButton | Qt::MiddleButton))) return;
    const QPoint d = e->pos() - dragFrom_;
    dragFrom_ = e->pos();
    SetUserView(CurrentTransform() * QTransform::fromTranslate(d.x(), d.y()));
}

void DrawingCanvas::mouseDoubleClickEvent(QMouseEvent* e) {
    if (e->button() == Qt::MiddleButton) ZoomExtents();
}

} // namespace cad::view
