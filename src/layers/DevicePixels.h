#pragma once
// Painting pixel for pixel: what a layer that blits bitmaps onto whole pixels
// or writes the picture's pixels itself needs to know of the painter.

#include <QPainter>
#include <QRegion>
#include <QTransform>

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
} // namespace DevicePixels
