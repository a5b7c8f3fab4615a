#pragma once
// The drawing on screen on a dark ground: shows the zoom window the command line set, or the
// extents; the wheel zooms about the cursor, dragging with the middle button (or the left one
// while nothing is asked) pans, a middle-button double click shows the extents. The
// next zoom command replaces what the user zoomed or panned to.
//
// With a command line it takes the user's picks (passed on through the user input): a crosshair follows the mouse; where a
// point is asked, the point under the cursor snaps to an end point, mid point, intersection
// or, failing those, the nearest point of what is drawn, shown by a marker, and a left click
// gives it; at "Select objects: " a click picks the object under the pick box or begins a
// window (to the right a window, to the left a crossing one); a right click is Enter.
#include "cad/command/command_line.h"
#include "cad/drawing/entity_index.h"
#include "cad/drawing/snap.h"
#include "cad/view/drawing_scene.h"
#include "cad/view/user_input.h"

#include <QImage>
#include <QPoint>
#include <QTransform>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

namespace cad::view {

class DrawingCanvas : public QWidget {
public:
    static constexpr int kAperturePixels = 10; // half side of the snap aperture
    static constexpr int kPickBoxPixels = 4;   // half side of the pick box

    explicit DrawingCanvas(const Drawing& drawing, const command::CommandLine* commandLine = nullptr,
                           UserInput* input = nullptr, QWidget* parent = nullptr);

    // Shows the drawing's extents, as ZOOM E does, also over a zoom window the command line
    // set; the next zoom command is shown again.
    void ZoomExtents();

    // The world point under a point of the widget (z = 0), and the way back.
    Point WorldAt(QPointF device) const;
    QPointF DeviceAt(Point world) const;
    // The snap the cursor at that point of the widget would take.
    std::optional<SnapPoint> SnapAt(QPointF device);
    // A click of the user's mouse there, as a mouse button released without dragging.
    void ClickAt(QPointF device, Qt::MouseButton button);

    // Told the point under the cursor (snapped where a point is asked) as it moves.
    void SetCursorListener(std::function<void(Point, std::optional<SnapKind>)> listener) {
        cursorListener_ = std::move(listener);
    }

protected:
    void paintEvent(QPaintEvent*) override;
    void wheelEvent(QWheelEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void leaveEvent(QEvent* e) override;

private:
    QTransform CurrentTransform() const;
    void SetUserView(const QTransform& t);
    const DrawingScene& Scene();
    const EntityIndex& Index();
    void RenderDrawing(const QTransform& t);
    void PaintOverlay(QPainter& painter, const QTransform& t);
    void Pick(QPointF at);
    double PixelsToWorld(double pixels) const;

    const Drawing& drawing_;
    const command::CommandLine* commandLine_;
    UserInput* input_;
    std::unique_ptr<DrawingScene> scene_;
    std::unique_ptr<EntityIndex> index_;
    std::unique_ptr<DrawingScene> highlight_; // the objects gathered at "Select objects: "
    std::size_t highlightCount_ = 0;
    QImage picture_;                    // the drawing as last rendered ...
    QTransform pictureTransform_;       // ... with this view ...
    unsigned long pictureRevision_ = 0; // ... of this revision of the drawing
    bool pictureValid_ = false;

    std::optional<QTransform> userView_;       // set once the user has zoomed or panned
    unsigned long userViewOf_ = 0;             // the drawing's zoom it was set on; a later zoom wins
    std::optional<unsigned long> extentsOver_; // the drawing's zoom that the extents replace
    QPoint dragFrom_;
    QPoint pressedAt_;
    bool dragged_ = false;
    std::optional<QPointF> cursor_;
    std::optional<SnapPoint> snap_;
    std::function<void(Point, std::optional<SnapKind>)> cursorListener_;
};

} // namespace cad::view
