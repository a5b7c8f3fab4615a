#pragma once
// The drawing made ready for painting: every entity (block inserts expanded) as batches of
// lines and curves per colour, and texts, kept in tiles of a grid over
// the drawing, so that a repaint draws only the tiles in view and walks no entity.
#include "cad/drawing/drawing.h"
#include "cad/view/drawing_painter.h"

#include <QLineF>
#include <QString>

#include <cstddef>
#include <vector>

namespace cad::view {

class DrawingScene {
public:
    // The whole model space of the drawing.
    explicit DrawingScene(const Drawing& drawing);
    // Only the given entities (indices of Drawing::Entities()), e.g. those selected.
    DrawingScene(const Drawing& drawing, const std::vector<std::size_t>& entities);

    // Paints what lies in the device rectangle; `override` paints everything in that colour.
    void Paint(QPainter& painter, const QTransform& worldToDevice, const Palette& palette,
               const QColor* override = nullptr, Qt::PenStyle style = Qt::SolidLine) const;

    unsigned long Revision() const { return revision_; }
    // A circle or an arc, turned into chords as fine as its size on screen needs.
    struct Curve {
        double cx, cy, radius, start, sweep; // degrees, counter-clockwise
    };
    struct Item; // a piece of the drawing on its way into a tile
    const Rect& Bounds() const { return bounds_; }

private:
    struct Batch {
        int colour;
        std::vector<QLineF> lines;
        std::vector<Curve> curves;
    };
    struct SceneText {
        Text text;
        int colour;
    };
    struct Tile {
        Rect bounds;
        std::vector<Batch> batches;
        std::vector<SceneText> texts;
    };
    void Build(std::vector<Item>& items);

    unsigned long revision_;
    Rect bounds_;
    std::vector<Tile> tiles_;
};

} // namespace cad::view
