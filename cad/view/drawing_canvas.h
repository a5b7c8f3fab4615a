#pragma once
// The drawing on screen on a dark ground: shows the zoom window the command line set, or the
// extents; the wheel zooms about the cursor, dragging pans, a middle-button double click goes
// back to the extents. The next zoom command replaces what the user zoomed or panned to.
#include "cad/drawing/drawing.h"

#include <QPoint>
#include <QTransform>
#include <QWidget>

#include <optional>

namespace cad::view {

class DrawingCanvas : public QWidget {
public:
    explicit DrawingCanvas(const Drawing& drawing, QWidget* parent = nullptr);

    // Shows the extents (or the zoom window of the drawing) again.
    void ZoomExtents();

protected:
    void paintEvent(QPaintEvent*) override;
    void wheelEvent(QWheelEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

private:
    QTransform CurrentTransform() const;

    const Drawing& drawing_;
    void SetUserView(const QTransform& t);

    std::optional<QTransform> userView_;  // set once the user has zoomed or panned
    unsigned long userViewOf_ = 0;        // the drawing's zoom it was set on; a later zoom wins
    QPoint dragFrom_;
};

} // namespace cad::view
