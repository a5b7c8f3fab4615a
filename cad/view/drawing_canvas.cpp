#include "cad/view/drawing_canvas.h"

#include "cad/drawing/extents.h"
#include "cad/drawing/selection.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <cmath>

namespace cad::view {

namespace {

const Palette kScreen{QColor(33, 40, 48), QColor(240, 240, 240)};
const QColor kCrosshair(200, 200, 200);
const QColor kMarker(255, 220, 0);
const QColor kHighlight(120, 200, 255);
constexpr int kDragPixels = 3;

const char* SnapName(SnapKind kind) {
    switch (kind) {
    case SnapKind::EndPoint: return "端点";
    case SnapKind::MidPoint: return "中点";
    case SnapKind::Intersection: return "交点";
    case SnapKind::Nearest: return "近接点";
    }
    return "";
}

void PaintMarker(QPainter& p, QPointF at, SnapKind kind) {
    const double r = 6;
    QPen pen(kMarker, 2);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    switch (kind) {
    case SnapKind::EndPoint: p.drawRect(QRectF(at.x() - r, at.y() - r, 2 * r, 2 * r)); break;
    case SnapKind::MidPoint: {
        const QPointF tri[3] = {{at.x(), at.y() - r}, {at.x() + r, at.y() + r}, {at.x() - r, at.y() + r}};
        p.drawPolygon(tri, 3);
        break;
    }
    case SnapKind::Intersection:
        p.drawLine(QPointF(at.x() - r, at.y() - r), QPointF(at.x() + r, at.y() + r));
        p.drawLine(QPointF(at.x() - r, at.y() + r), QPointF(at.x() + r, at.y() - r));
        break;
    case SnapKind::Nearest: {
        const QPointF hourglass[4] = {
            {at.x() - r, at.y() - r}, {at.x() + r, at.y() - r}, {at.x() - r, at.y() + r}, {at.x() + r, at.y() + r}};
        p.drawPolygon(hourglass, 4);
        break;
    }
    }
    p.drawText(at + QPointF(r + 4, r + 14), QString::fromUtf8(SnapName(kind)));
}

} // namespace

DrawingCanvas::DrawingCanvas(const Drawing& drawing, const command::CommandLine* commandLine, UserInput* input,
                             QWidget* parent)
        : QWidget(parent), drawing_(drawing), commandLine_(input ? commandLine : nullptr), input_(input) {
    setMinimumSize(320, 200);
    setAutoFillBackground(false);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus); // keys stay with the command line
    setCursor(commandLine_ ? Qt::BlankCursor : Qt::CrossCursor);
}

void DrawingCanvas::ZoomExtents() {
    userView_.reset();
    extentsOver_ = drawing_.ViewChanges();
    update();
}

void DrawingCanvas::SetUserView(const QTransform& t) {
    userView_ = t;
    userViewOf_ = drawing_.ViewChanges();
    update();
}

QTransform DrawingCanvas::CurrentTransform() const {
    if (userView_ && userViewOf_ == drawing_.ViewChanges()) return *userView_;
    const bool zoomWindow = drawing_.View() && extentsOver_ != drawing_.ViewChanges();
    const Rect world = zoomWindow ? *drawing_.View() : DrawingExtents(drawing_);
    return FitWorld(world, QRectF(rect()), 10);
}

Point DrawingCanvas::WorldAt(QPointF device) const {
    const QPointF w = CurrentTransform().inverted().map(device);
    return {w.x(), w.y(), 0};
}

QPointF DrawingCanvas::DeviceAt(Point world) const { return CurrentTransform().map(QPointF(world.x, world.y)); }

double DrawingCanvas::PixelsToWorld(double pixels) const {
    return pixels / std::sqrt(std::fabs(CurrentTransform().determinant()));
}

const DrawingScene& DrawingCanvas::Scene() {
    if (!scene_ || scene_->Revision() != drawing_.Revision()) scene_ = std::make_unique<DrawingScene>(drawing_);
    return *scene_;
}

const EntityIndex& DrawingCanvas::Index() {
    if (!index_ || index_->Revision() != drawing_.Revision()) index_ = std::make_unique<EntityIndex>(drawing_);
    return *index_;
}

std::optional<SnapPoint> DrawingCanvas::SnapAt(QPointF device) {
    const Point at = WorldAt(device);
    const double aperture = PixelsToWorld(kAperturePixels);
    const Rect box = Rect::FromCorners({at.x - aperture, at.y - aperture}, {at.x + aperture, at.y + aperture});
    return FindSnap(drawing_, Index().Query(box), at, aperture);
}

void DrawingCanvas::RenderDrawing(const QTransform& t) {
    const qreal ratio = devicePixelRatioF();
    if (picture_.size() != size() * ratio) {
        picture_ = QImage(size() * ratio, QImage::Format_RGB32);
        picture_.setDevicePixelRatio(ratio);
    }
    picture_.fill(kScreen.background);
    QPainter painter(&picture_);
    painter.setRenderHint(QPainter::Antialiasing);
    Scene().Paint(painter, t, kScreen);
    pictureTransform_ = t;
    pictureRevision_ = drawing_.Revision();
    pictureValid_ = true;
}

void DrawingCanvas::paintEvent(QPaintEvent*) {
    const QTransform t = CurrentTransform();
    if (!pictureValid_ || picture_.size() != size() * devicePixelRatioF() || pictureTransform_ != t ||
        pictureRevision_ != drawing_.Revision())
        RenderDrawing(t);
    QPainter painter(this);
    painter.drawImage(0, 0, picture_);
    PaintOverlay(painter, t);
}

void DrawingCanvas::PaintOverlay(QPainter& painter, const QTransform& t) {
    if (!commandLine_) return;
    const Selection& gathered = commandLine_->Gathered();
    if (gathered.empty()) {
        highlight_.reset();
    } else {
        if (!highlight_ || highlight_->Revision() != drawing_.Revision() || highlightCount_ != gathered.size()) {
            highlight_ = std::make_unique<DrawingScene>(drawing_, gathered);
            highlightCount_ = gathered.size();
        }
        highlight_->Paint(painter, t, kScreen, &kHighlight, Qt::DashLine);
    }
    if (!cursor_) return;
    const QPointF c = *cursor_;
    if (const auto corner = commandLine_->WindowCorner()) {
        const bool crossing = commandLine_->IsCrossingWindow(WorldAt(c));
        const QColor edge = crossing ? QColor(80, 220, 80) : QColor(80, 140, 255);
        QColor fill = edge;
        fill.setAlpha(40);
        painter.setPen(QPen(edge, 1, crossing ? Qt::DashLine : Qt::SolidLine));
        painter.setBrush(fill);
        painter.drawRect(QRectF(DeviceAt(*corner), c).normalized());
    }
    if (const auto from = commandLine_->RubberBandFrom()) {
        painter.setPen(QPen(kCrosshair, 1, Qt::DashLine));
        painter.drawLine(DeviceAt(*from), snap_ ? DeviceAt(snap_->point) : c);
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(kCrosshair, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawLine(QPointF(0, c.y()), QPointF(width(), c.y()));
    painter.drawLine(QPointF(c.x(), 0), QPointF(c.x(), height()));
    const int box = commandLine_->WantsObjects() ? kPickBoxPixels : commandLine_->WantsPoint() ? kAperturePixels : 0;
    if (box > 0) painter.drawRect(QRectF(c.x() - box, c.y() - box, 2 * box, 2 * box));
    painter.setRenderHint(QPainter::Antialiasing, true);
    if (snap_) PaintMarker(painter, DeviceAt(snap_->point), snap_->kind);
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

void DrawingCanvas::mousePressEvent(QMouseEvent* e) {
    dragFrom_ = pressedAt_ = e->pos();
    dragged_ = false;
}

void DrawingCanvas::mouseMoveEvent(QMouseEvent* e) {
    cursor_ = e->position();
    const bool asking = commandLine_ && (commandLine_->WantsPoint() || commandLine_->WantsObjects());
    const bool panning = (e->buttons() & Qt::MiddleButton) || ((e->buttons() & Qt::LeftButton) && !asking);
    if (panning) {
        if ((e->pos() - pressedAt_).manhattanLength() > kDragPixels) dragged_ = true;
        const QPoint d = e->pos() - dragFrom_;
        dragFrom_ = e->pos();
        SetUserView(CurrentTransform() * QTransform::fromTranslate(d.x(), d.y()));
    }
    snap_.reset();
    if (commandLine_ && commandLine_->WantsPoint()) snap_ = SnapAt(*cursor_);
    if (cursorListener_)
        cursorListener_(snap_ ? snap_->point : WorldAt(*cursor_),
                        snap_ ? std::optional<SnapKind>(snap_->kind) : std::nullopt);
    update();
}

void DrawingCanvas::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::RightButton || !dragged_) ClickAt(e->position(), e->button());
}

void DrawingCanvas::ClickAt(QPointF at, Qt::MouseButton button) {
    if (!commandLine_) return;
    if (button == Qt::RightButton) input_->Type("\r");
    else if (button == Qt::LeftButton) Pick(at);
    snap_.reset();
    if (commandLine_->WantsPoint() && cursor_) snap_ = SnapAt(*cursor_);
    update();
}

void DrawingCanvas::Pick(QPointF at) {
    const Point world = WorldAt(at);
    if (commandLine_->WantsPoint()) {
        const auto snap = SnapAt(at);
        input_->PickPoint(snap ? snap->point : world);
    } else if (commandLine_->WantsObjects()) {
        const double half = PixelsToWorld(kPickBoxPixels);
        const Rect box = Rect::FromCorners({world.x - half, world.y - half}, {world.x + half, world.y + half});
        input_->PickObject(EntityAt(drawing_, Index().Query(box), box), world);
    }
}

void DrawingCanvas::mouseDoubleClickEvent(QMouseEvent* e) {
    if (e->button() == Qt::MiddleButton) ZoomExtents();
}

void DrawingCanvas::leaveEvent(QEvent*) {
    cursor_.reset();
    snap_.reset();
    update();
}

} // namespace cad::view
