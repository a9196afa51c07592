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
} // namespace Shadow
