#pragma once
#include "layers/StrokeLook.h"
#include <QColor>
#include <QHash>
#include <QImage>
#include <QPainterPath>
#include <QPen>
#include <QRect>
#include <QRectF>
#include <QSet>
#include <QTransform>
#include <vector>

// The pixels of a stroked path that grows at its end (ink being drawn): its
// body and its drop shadow are kept in two bitmaps of device pixels that
// grow with the path. A new piece of path repaints the bitmaps around that
// piece only, from the segments found there through a grid, so one more
// piece costs the same however long the path already is. The pixels are
// those of painting the whole path and its shadow directly.
class GrowingPaint {
  public:
    using Look = StrokeLook;

    // The path changed from element `firstChanged` on (its earlier elements
    // are those of the path given before; 0 or less: anywhere).
    void pathChanged(const QPainterPath& path, int firstChanged);
    // The body's pixels may have changed within `area` (local, y up).
    void bodyChanged(const QRectF& area);

    // Paints body and shadow through `toDevice` (local coordinates, y up, to
    // the painter's); nothing is painted outside `bounds` (local). Answers
    // false, having painted nothing, when the transform turns or stretches
    // the path; the caller paints directly.
    bool draw(QPainter& painter, const QTransform& toDevice, const QRectF& bounds,
              const Look& look);

  private:
    struct Segment {
        int element; // index of its first element in the path
        QRect cells;
    };
    void forgetSegmentsFrom(int element);
    void indexSegmentsFrom(int element);
    QRect cellsOf(const QRectF& local) const;
    // The path's segments that come near `local`, as runs of joined segments.
    QPainterPath segmentsNear(const QRectF& local) const;
    void ensureExtent(const QRect& pixels);
    void repaint(const QRectF& local);
    // Notes that body or shadow may show within `pixels` (device pixels).
    void markInked(const QRect& pixels);
    QPointF shadowOffsetInPixels() const;
    static bool sameLook(const Look& a, const Look& b);

    QPainterPath m_path;
    std::vector<Segment> m_segments;
    QHash<quint64, std::vector<int>> m_grid; // cell → segments (indexes into m_segments)
    std::vector<QRectF> m_pending;           // local areas not yet repainted

    // The bitmaps, for one mapping of local coordinates onto device pixels.
    QTransform m_toPixels;
    QRect m_extent; // device pixels the bitmaps cover
    QRect m_limit;  // device pixels the path may ever paint (the layer's bounds)
    QImage m_body, m_shadow;
    // Tiles of device pixels where body or shadow may show. Elsewhere the
    // bitmaps are known to be clear, so a hand passing over a long stroke's
    // empty stretches blends nothing.
    QSet<quint64> m_inked;
    Look m_look;
    bool m_valid = false;
};
