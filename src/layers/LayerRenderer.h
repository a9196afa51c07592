#pragma once
#include <QColor>
#include <QImage>
#include <QRegion>

class Layer;
class QPainter;

// Paints a layer tree with QPainter. The root's bounds become the painted
// area: y is flipped once at the top, so the root's top edge (highest y) is at
// Qt's y = 0. Layers whose painted area misses the region are skipped, with
// their sublayers when those lie inside them.
class LayerRenderer {
  public:
    // Paints into `painter` (device-independent pixels, y down, origin at the
    // root's top-left), clipped to `region`. Presentation values are those of
    // LayerAnimator's frame time. Does not clear the root's dirty region.
    static void paint(QPainter& painter, const Layer& root, const QRegion& region);
    // The same over a picture that still holds the previous frame: the region
    // is cleared to transparent first.
    static void repaint(QPainter& painter, const Layer& root, const QRegion& region);
    // The whole tree as an image of the root's bounds at `scale` pixels per
    // point (device pixel ratio set), over `background`.
    static QImage renderImage(const Layer& root, double scale = 1.0,
                              const QColor& background = Qt::transparent);
};
