#pragma once
#include "layers/Layer.h"

#include <QImage>
#include <QRectF>
#include <functional>
#include <list>

// A cached bitmap of one layer at some scale, placed over `localRect`
// (bounds coordinates, y up): its shadow (the blurred, tinted alpha of its
// body, before the shadow offset), its body, or its whole subtree.
struct LayerBitmapCache {
    ~LayerBitmapCache();
    QImage image;
    QRectF localRect;
    double scale = 0.0;
    quint64 version = ~quint64(0);
    quint64 seenVersion = ~quint64(0);
    int seenCount = 0;
    std::list<LayerBitmapCache*>::iterator lru;
    bool listed = false;
};

// Offscreen bitmaps of layers, cached within a global memory budget (least
// recently used go first).
//
// Drop shadows, which QPainter does not have: the body is painted into an
// offscreen image and Shadow::cast blurs its alpha (sigma = half the shadow
// radius) and tints it. A layer whose content just changed gets only the
// part of its shadow inside the painted area.
//
// Whole layers (shadow and body) whose content holds still: a finished ink
// stroke then costs one blit wherever the hand passes over it. Small
// subtrees that hold still (a step badge with its digits) likewise. Turned layers
// (the tilted stick) always go this way: Qt's antialiased path filling grows
// much faster than the length of a long, tilted shape, while a turned bitmap
// costs only the pixels that get painted.
class LayerBitmaps {
  public:
    // Paints `body` (bounds coordinates, y up, under the given transform).
    using BodyPainter = std::function<void(QPainter&, const QTransform& localToTarget)>;

    // `toDevice` maps the layer's bounds coordinates to the painter's
    // coordinates; `visible` is the part of the painter's area being painted.
    static void drawShadow(QPainter& painter, const Layer& layer, const QTransform& toDevice,
                           const QRegion& visible, const BodyPainter& body);

    // Paints the layer's shadow and body from a bitmap. Answers false, having
    // painted nothing, when the content changed since the last paint (unless
    // `always`) or the bitmap would be too large; the caller paints directly.
    static bool drawWhole(QPainter& painter, const Layer& layer, const QTransform& toDevice,
                          const BodyPainter& body, bool always);

    // Paints the layer with its sublayers from one bitmap of `localRect`
    // (bounds coordinates); `tree` paints all of it, shadows included.
    // Answers false, having painted nothing, when something in the subtree
    // changed since the last paint or the bitmap would be too large.
    static bool drawSubtree(QPainter& painter, const Layer& layer, const QTransform& toDevice,
                            const QRectF& localRect, const BodyPainter& tree);
};
