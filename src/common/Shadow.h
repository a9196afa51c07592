#pragma once
#include <QColor>
#include <QImage>
#include <QPointF>

// Drop shadows for bitmaps, since QPainter has none: the shadow of `body` is
// its alpha, blurred by a Gaussian with sigma blur/2, moved by `offset` pixels
// (y downward, fractions allowed) and tinted with `color`. Same size as `body`,
// premultiplied; anything moved outside the bitmap is lost.
namespace Shadow {
QImage cast(const QImage& body, double blur, QPointF offset, const QColor& color);

// How far a shadow of blur `radius` reaches beyond its body, in the same
// units: three sigmas (all but a trace of the blur) and one more for the
// smoothing of the body's edge.
inline double reach(double radius) {
    return 1.5 * radius + 1;
}
} // namespace Shadow
