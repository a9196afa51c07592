#pragma once
// Painting pixel for pixel: what a layer that blits bitmaps onto whole pixels
// or writes the picture's pixels itself needs to know of the painter.

#include <QPainter>
#include <QRegion>
#include <QTransform>
#include <cmath>

namespace DevicePixels {
// `toDevice` (onto the painter's current coordinates) followed onto device pixels.
inline QTransform of(const QPainter& painter, const QTransform& toDevice) {
    return toDevice * painter.worldTransform().inverted() * painter.deviceTransform();
}

// The world transform under which the painter's coordinates are device pixels.
inline QTransform asWorld(const QPainter& painter) {
    return (painter.worldTransform().inverted() * painter.deviceTransform()).inverted();
}

// The painter's clip in device pixels, within `within`.
inline QRegion clip(QPainter& painter, const QRect& within) {
    if (!painter.hasClipping()) return QRegion(within);
    painter.save();
    painter.setTransform(asWorld(painter));
    const QRegion region = painter.clipRegion() & within;
    painter.restore();
    return region;
}

// Whether `t` keeps shapes (turns, flips, one scale for both axes), so that
// distances measured in device pixels are distances in the shape, scaled.
inline bool keepsShapes(const QTransform& t) {
    if (t.type() > QTransform::TxRotate) return false;
    const double x = t.m11() * t.m11() + t.m12() * t.m12();
    const double y = t.m21() * t.m21() + t.m22() * t.m22();
    const double skew = t.m11() * t.m21() + t.m12() * t.m22();
    return x > 0 && std::abs(x - y) < 1e-9 * x && std::abs(skew) < 1e-9 * x;
}
} // namespace DevicePixels
