#pragma once
// What a user does to the CAD window in the tests: keys into a widget, mouse moves and
// clicks on the drawing, menu items by their text.
#include "cad/view/drawing_canvas.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

namespace view_test {

inline void Key(QWidget* w, int key, const QString& text = {}) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(w, &press);
}

inline void Keys(QWidget* w, const QString& text) {
    for (QChar c : text) Key(w, 0, QString(c));
}

inline void Mouse(QWidget* w, QEvent::Type type, QPointF at, Qt::MouseButton button = Qt::NoButton) {
    const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::MouseButtons(button) : Qt::MouseButtons();
    QMouseEvent e(type, at, w->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

// The user moves the mouse to the point and clicks there.
inline void Click(cad::view::DrawingCanvas* canvas, QPointF at, Qt::MouseButton button = Qt::LeftButton) {
    Mouse(canvas, QEvent::MouseMove, at);
    Mouse(canvas, QEvent::MouseButtonPress, at, button);
    Mouse(canvas, QEvent::MouseButtonRelease, at, button);
}

inline QAction* MenuAction(QWidget& window, const char* text) {
    for (QAction* a : window.findChildren<QAction*>())
        if (a->text() == QString::fromUtf8(text)) return a;
    return nullptr;
}

} // namespace view_test
