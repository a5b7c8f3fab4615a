#include "platform/forms/picture_box.h"

#include "platform/forms/events.h"
#include "platform/forms/internal.h"
#include "platform/runtime/error.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QWidget>

#include <cmath>

namespace forms {

namespace {
int ButtonOf(Qt::MouseButtons b) {
    int v = 0;
    if (b & Qt::LeftButton) v |= vbLeftButton;
    if (b & Qt::RightButton) v |= vbRightButton;
    if (b & Qt::MiddleButton) v |= vbMiddleButton;
    return v;
}

int ShiftOf(Qt::KeyboardModifiers m) {
    int v = 0;
    if (m & Qt::ShiftModifier) v |= vbShiftMask;
    if (m & Qt::ControlModifier) v |= vbCtrlMask;
    if (m & Qt::AltModifier) v |= vbAltMask;
    return v;
}

// One drawing waiting to be painted, in the pixels of the scale and size it was drawn in.
struct PendingStroke {
    DrawCommand::Kind kind;
    QPointF a, b;
    double radius;
    long color;
    int width;
};

// The surface: an image as large as the widget, grown or shrunk with it, keeping what it holds.
// Drawings are collected and painted onto the image together, with one painter, when the
// image is next looked at: a plot of thousands of strokes costs one painter, not thousands.
class Surface : public QWidget {
public:
    explicit Surface(PictureBox* owner) : owner_(owner) { setMouseTracking(true); }

    QImage& Image() {
        const QSize want = WantedSize();
        if (image_.size() != want) {
            PaintPending();
            QImage grown(want, QImage::Format_RGB32);
            grown.fill(internal::ToQColor(owner_->BackColor()));
            QPainter p(&grown);
            if (!image_.isNull()) p.drawImage(0, 0, image_);
            image_ = grown;
        }
        PaintPending();
        return image_;
    }

    void Add(const PendingStroke& stroke) {
        if (pending_.empty()) update();
        pending_.push_back(stroke);
    }

    // Fills the image as it stands: nothing of the old picture is kept, so nothing is copied.
    // Only an image of another size than the widget is made anew.
    void Clear(long color) {
        pending_.clear();
        const QSize want = WantedSize();
        if (image_.size() != want) image_ = QImage(want, QImage::Format_RGB32);
        image_.fill(internal::ToQColor(color));
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.drawImage(0, 0, Image());
    }
    void mousePressEvent(QMouseEvent* e) override { Report(owner_->OnMouseDown, e, e->button()); }
    void mouseMoveEvent(QMouseEvent* e) override { Report(owner_->OnMouseMove, e, e->buttons()); }
    void mouseReleaseEvent(QMouseEvent* e) override { Report(owner_->OnMouseUp, e, e->button()); }

private:
    QSize WantedSize() const { return {std::max(1, width()), std::max(1, height())}; }

    void Report(const std::function<void(int, int, float, float)>& handler, QMouseEvent* e, Qt::MouseButtons b) {
        if (!handler) return;
        const Container::Units u = owner_->ChildUnits();
        const QPointF p = e->position();
        const int button = ButtonOf(b), shift = ShiftOf(e->modifiers());
        const auto x = static_cast<float>(u.left + p.x() * u.perPixelX),
                   y = static_cast<float>(u.top + p.y() * u.perPixelY);
        internal::Dispatch([&handler, button, shift, x, y] {
            if (handler) handler(button, shift, x, y);
        });
    }

    void PaintPending() {
        if (pending_.empty() || image_.isNull()) return;
        QPainter painter(&image_);
        const PendingStroke* last = nullptr; // whose pen the painter holds
        for (const PendingStroke& s : pending_) {
            const QColor color = internal::ToQColor(s.color);
            if (!last || last->color != s.color || last->width != s.width) painter.setPen(QPen(color, s.width));
            last = &s;
            switch (s.kind) {
            case DrawCommand::Line: painter.drawLine(s.a, s.b); break;
            case DrawCommand::Box: painter.drawRect(QRectF(s.a, s.b).normalized()); break;
            case DrawCommand::FilledBox: {
                const QRectF r = QRectF(s.a, s.b).normalized();
                painter.fillRect(r, color);
                painter.drawRect(r);
                break;
            }
            case DrawCommand::Point: painter.drawPoint(s.a); break;
            case DrawCommand::Circle: painter.drawEllipse(s.a, s.radius, s.radius); break;
            case DrawCommand::Cls: break;
            }
        }
        pending_.clear();
    }

    PictureBox* owner_;
    QImage image_;
    std::vector<PendingStroke> pending_;
};

Surface* Of(const PictureBox* c) { return static_cast<Surface*>(c->Widget()); }
} // namespace

PictureBox::PictureBox(Container& parent) : Control(parent, new Surface(this), 1215, 1215) {}

void PictureBox::Scale(double x1, double y1, double x2, double y2) {
    userScale_ = true;
    scaleLeft_ = x1;
    scaleTop_ = y1;
    scaleWidth_ = x2 - x1;
    scaleHeight_ = y2 - y1;
}

double PictureBox::ScaleLeft() const { return userScale_ ? scaleLeft_ : 0; }
double PictureBox::ScaleTop() const { return userScale_ ? scaleTop_ : 0; }
double PictureBox::ScaleWidth() const { return userScale_ ? scaleWidth_ : internal::ToTwips(Widget()->width()); }
double PictureBox::ScaleHeight() const { return userScale_ ? scaleHeight_ : internal::ToTwips(Widget()->height()); }

Container::Units PictureBox::ChildUnits() const {
    const double w = std::max(1, Widget()->width()), h = std::max(1, Widget()->height());
    return {ScaleLeft(), ScaleTop(), ScaleWidth() / w, ScaleHeight() / h};
}

namespace {
QPointF ToPixel(const Container::Units& u, double x, double y) {
    return {(x - u.left) / u.perPixelX, (y - u.top) / u.perPixelY};
}

} // namespace

void PictureBox::Cls() {
    Of(this)->Clear(backColor_);
    commands_.clear();
    commands_.push_back({DrawCommand::Cls, 0, 0, 0, 0, backColor_});
    currentX_ = currentY_ = 0;
}

void PictureBox::Line(double x1, double y1, double x2, double y2, long color, LineShape shape) {
    const Units u = ChildUnits();
    const DrawCommand::Kind kind = shape == LineShape::Line  ? DrawCommand::Line
                                   : shape == LineShape::Box ? DrawCommand::Box
                                                             : DrawCommand::FilledBox;
    Of(this)->Add({kind, ToPixel(u, x1, y1), ToPixel(u, x2, y2), 0, color, drawWidth_});
    commands_.push_back({kind, x1, y1, x2, y2, color});
    currentX_ = x2;
    currentY_ = y2;
}

void PictureBox::PSet(double x, double y, long color) {
    Of(this)->Add({DrawCommand::Point, ToPixel(ChildUnits(), x, y), {}, 0, color, drawWidth_});
    commands_.push_back({DrawCommand::Point, x, y, 0, 0, color});
    currentX_ = x;
    currentY_ = y;
}

void PictureBox::Circle(double x, double y, double radius, long color) {
    const Units u = ChildUnits();
    Of(this)->Add({DrawCommand::Circle, ToPixel(u, x, y), {}, std::abs(radius / u.perPixelX), color, drawWidth_});
    commands_.push_back({DrawCommand::Circle, x, y, radius, 0, color});
    currentX_ = x;
    currentY_ = y;
}

void PictureBox::SetBackColor(long color) {
    backColor_ = color;
    Cls();
}

void PictureBox::SavePicture(const std::string& path) const {
    if (!Of(this)->Image().save(internal::Q(path), "PNG")) rt::Raise(rt::errApplication, "cannot write " + path);
}

} // namespace forms
