#pragma once
// Clicks a grid the way the mouse does: press and release at a pixel of its cell area.
#include "platform/forms/flex_grid.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QMouseEvent>

inline void ClickGridAt(forms::FlexGrid& grid, int x, int y) {
    QWidget* target = static_cast<QAbstractScrollArea*>(grid.Widget())->viewport();
    const QPointF at(x, y), global = target->mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
    QApplication::sendEvent(target, &release);
}
