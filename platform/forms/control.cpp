#include "platform/forms/control.h"

#include "platform/forms/events.h"
#include "platform/forms/form_window.h"
#include "platform/forms/internal.h"

#include <QApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QWidget>

#include <cmath>

namespace forms {

using internal::ToPixels;

namespace {
// The control that last took the focus. A control loses the focus when another takes it or
// when the focus leaves it inside the program (not when another program, a menu or a message
// box takes it).
Control*& Focused() {
    static Control* focused = nullptr;
    return focused;
}

void Lose(Control* control) {
    if (Focused() != control) return;
    Focused() = nullptr;
    internal::Dispatch([control] {
        if (control->OnLostFocus) control->OnLostFocus();
    });
}

void Take(Control* control) {
    if (Focused() == control) return;
    if (Control* previous = Focused()) Lose(previous);
    Focused() = control;
    internal::Dispatch([control] {
        if (control->OnGotFocus) control->OnGotFocus();
    });
}

// The screen a widget is on: its screen's window, also when that is a document window
// inside the frame window.
const QWidget* ScreenOf(const QWidget* widget) {
    for (const QWidget* w = widget; w; w = w->parentWidget())
        if (dynamic_cast<const internal::FormWindow*>(w)) return w;
    return nullptr;
}

// Whether the window activation that takes the focus from `widget` went to another screen of
// the program (a click on the main window's toolbar, say): the control has lost the focus
// then. A message box opening, or another program taking the focus, leaves it in place.
bool ToAnotherScreen(QObject* widget) {
    const QWidget* active = QApplication::activeWindow();
    return active && active != static_cast<QWidget*>(widget)->window() && !QApplication::activeModalWidget();
}

class FocusWatch : public QObject {
public:
    FocusWatch(Control* control, QObject* parent) : QObject(parent), control_(control) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusIn) {
            Take(control_);
        } else if (event->type() == QEvent::FocusOut) {
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason == Qt::PopupFocusReason) return QObject::eventFilter(watched, event);
            if (reason != Qt::ActiveWindowFocusReason || ToAnotherScreen(watched)) Lose(control_);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    Control* control_;
};
// A control given the focus brings its screen forward, so that the keys go to it even when
// another screen (a warning just closed, say) was the active one.
void BringScreenForward(QWidget* widget) {
    if (!widget->isVisible()) return;
    for (QWidget* w = widget->parentWidget(); w; w = w->parentWidget()) {
        if (auto* frame = qobject_cast<QMdiSubWindow*>(w)) {
            if (QMdiArea* area = frame->mdiArea(); area && area->activeSubWindow() != frame)
                area->setActiveSubWindow(frame);
            break;
        }
    }
    if (!widget->window()->isActiveWindow()) widget->window()->activateWindow();
}

} // namespace

namespace internal {
void TakeFocusForCommand(const QWidget* commandWidget) {
    Control* focused = Focused();
    if (!focused || ScreenOf(focused->Widget()) == ScreenOf(commandWidget)) return;
    focused->Widget()->clearFocus();
    Lose(focused);
}
} // namespace internal

Control::Control(Container& parent, QWidget* widget, int widthTwips, int heightTwips)
        : parent_(parent), widget_(widget) {
    widget_->setParent(parent.ClientWidget());
    widget_->installEventFilter(new FocusWatch(this, widget_));
    const Container::Units u = parent.ChildUnits();
    left_ = u.left;
    top_ = u.top;
    width_ = ToPixels(widthTwips) * std::abs(u.perPixelX);
    height_ = ToPixels(heightTwips) * std::abs(u.perPixelY);
    widget_->setGeometry(0, 0, ToPixels(widthTwips), ToPixels(heightTwips));
    widget_->show();
}

Control::~Control() {
    if (Focused() == this) Focused() = nullptr;
    delete widget_;
}

void Control::Move(double left, double top, double width, double height) {
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    const Container::Units u = parent_.ChildUnits();
    widget_->setGeometry(static_cast<int>(std::lround((left - u.left) / u.perPixelX)),
                         static_cast<int>(std::lround((top - u.top) / u.perPixelY)),
                         static_cast<int>(std::lround(width / std::abs(u.perPixelX))),
                         static_cast<int>(std::lround(height / std::abs(u.perPixelY))));
}

bool Control::Visible() const { return !widget_->isHidden(); }
// Hiding or disabling the control that has the focus moves the focus on.
void Control::SetVisible(bool visible) {
    internal::FromCode([this, visible] { widget_->setVisible(visible); });
}
bool Control::Enabled() const { return widget_->isEnabled(); }
void Control::SetEnabled(bool enabled) {
    internal::FromCode([this, enabled] { widget_->setEnabled(enabled); });
}

std::string Control::FontName() const { return internal::S(widget_->font().family()); }
void Control::SetFontName(const std::string& name) {
    QFont font = widget_->font();
    font.setFamily(internal::Q(name));
    widget_->setFont(font);
}
float Control::FontSize() const { return static_cast<float>(widget_->font().pointSizeF()); }
void Control::SetFontSize(float points) {
    QFont font = widget_->font();
    font.setPointSizeF(points);
    widget_->setFont(font);
}
void Control::SetFontBold(bool bold) {
    QFont font = widget_->font();
    font.setBold(bold);
    widget_->setFont(font);
}

std::string Control::ToolTipText() const { return internal::S(widget_->toolTip()); }
void Control::SetToolTipText(const std::string& text) { widget_->setToolTip(internal::Q(text)); }

void Control::SetFocus() {
    internal::FromCode([this] {
        BringScreenForward(widget_);
        widget_->setFocus(Qt::OtherFocusReason);
        Take(this);
    });
}

bool Control::HasFocus() const { return Focused() == this; }

void Control::ZOrder(int position) { position == 0 ? widget_->raise() : widget_->lower(); }

} // namespace forms
