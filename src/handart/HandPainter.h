#pragma once
#include "handart/HandSkin.h"
#include "handart/HandSprite.h"
#include <QImage>
#include <QSizeF>

class QPainter;
class QPainterPath;

// Paints hand skins into sprites, afresh on every call (HandSprites caches them).
namespace HandPainter {
// The skin `height` points tall at `scale` pixels per point; `custom` is
// painted as its plain look (the photo is HandSprites' business).
HandSprite render(const HandSkin& skin, double height, double scale);
// Paints the unit box `total` into a bitmap of `pixels`, with or without anti-aliasing.
QImage draw(const HandSkin& skin, QSizeF total, QSizeF pixels, bool smooth);
// Fills with white (no colour), flat (one) or a diagonal gradient over the path's bounds.
void fill(QPainter& painter, const QPainterPath& path, const std::vector<Rgba>& colors);
// A transparent premultiplied RGBA bitmap, at least 1 × 1 pixel.
QImage context(QSizeF pixels);

// "classic-116.0-2.0": shortest round-trip decimals, always with a fraction.
QString cacheKey(const QString& id, double height, double scale);
} // namespace HandPainter
