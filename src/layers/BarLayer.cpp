#include "layers/BarLayer.h"
#include "layers/DevicePixels.h"
#include "layers/PackedPixels.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {
using namespace PackedPixels;

// The bar in device pixels: its middle line from `a` to `b`, its outer and
// inner (inside the border) radius, and its colours as premultiplied pixels.
struct Capsule {
    QPointF a, b;
    double outer = 0, inner = 0;
    uint fill = 0, border = 0; // the border as painted over the fill
};

void paintRect(QImage& image, const QRect& rect, const Capsule& bar) {
    const bool opaqueFill = bar.fill >> 24 == 255, opaqueBorder = bar.border >> 24 == 255;
    const double dx = bar.b.x() - bar.a.x(), dy = bar.b.y() - bar.a.y();
    const double length = std::hypot(dx, dy);
    const double ux = length > 0 ? dx / length : 1, uy = length > 0 ? dy / length : 0;
    const double reach = bar.outer + 1;
    const double across = -uy * bar.a.x() + ux * bar.a.y(); // the middle line, along its normal
    uchar* const bits = image.bits(); // once: scanLine() checks for sharing at every row
    const qsizetype stride = image.bytesPerLine();
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        const double cy = y + 0.5;
        int from = rect.left(), to = rect.right();
        // Only the pixels of the band around the middle line.
        if (std::abs(uy) > 1e-9) {
            const double x1 = (ux * cy - across - reach) / uy, x2 = (ux * cy - across + reach) / uy;
            from = std::max(from, int(std::floor(std::min(x1, x2))));
            to = std::min(to, int(std::ceil(std::max(x1, x2))));
        }
        auto* row = reinterpret_cast<uint*>(bits + y * stride);
        const double px0 = from + 0.5 - bar.a.x(), py = cy - bar.a.y();
        // Along the bar at both ends of the row: away from the round ends the
        // distance to the middle line changes by the same step each pixel.
        const double along0 = px0 * ux + py * uy, along1 = along0 + (to - from) * ux;
        const bool body = std::min(along0, along1) >= 0 && std::max(along0, along1) <= length;
        const double side0 = px0 * -uy + py * ux;
        // Where the row crosses the opaque inside of the fill, one run.
        int fillFrom = to + 1, fillTo = to;
        if (body && opaqueFill && bar.inner >= 0.5 && std::abs(uy) > 1e-9) {
            const double c = bar.inner - 0.5, a = (side0 - c) / uy, b = (side0 + c) / uy;
            fillFrom = from + int(std::ceil(std::clamp(std::min(a, b), 0.0, to - from + 1.0)));
            fillTo = from + int(std::floor(std::clamp(std::max(a, b), -1.0, double(to - from))));
        }
        for (int x = from; x <= to; ++x) {
            if (x == fillFrom && fillFrom <= fillTo) {
                std::fill(row + x, row + fillTo + 1, bar.fill);
                x = fillTo;
                continue;
            }
            double d;
            if (body) {
                d = std::abs(side0 - (x - from) * uy);
            } else {
                const double px = x + 0.5 - bar.a.x();
                const double t = std::clamp(px * ux + py * uy, 0.0, length);
                const double ex = px - t * ux, ey = py - t * uy;
                d = std::sqrt(ex * ex + ey * ey);
            }
            if (d >= bar.outer + 0.5) continue;
            // Wholly inside the fill or the border: one colour, mostly opaque.
            if (d <= bar.inner - 0.5 && opaqueFill) {
                row[x] = bar.fill;
                continue;
            }
            if (d >= bar.inner + 0.5 && d <= bar.outer - 0.5 && opaqueBorder) {
                row[x] = bar.border;
                continue;
            }
            const uint color = scaled(mixed(bar.border, bar.fill, weight(bar.inner - d + 0.5)),
                                      weight(bar.outer - d + 0.5));
            row[x] = color + scaled(row[x], 255 - (color >> 24));
        }
    }
}
} // namespace

bool BarLayer::drawDirectly(QPainter& painter, const QTransform& toDevice) const {
    const LayerProps& p = drawnProps();
    const double width = std::min(p.bounds.width(), p.bounds.height());
    auto* image = dynamic_cast<QImage*>(painter.device());
    if (!image || image->format() != QImage::Format_ARGB32_Premultiplied || width <= 0 ||
        p.cornerRadius < width / 2 - 1e-9 || !p.contents.isNull() || castsShadow() ||
        hasContent() || painter.compositionMode() != QPainter::CompositionMode_SourceOver)
        return false;
    const QTransform toPixels = DevicePixels::of(painter, toDevice);
    if (!DevicePixels::keepsShapes(toPixels)) return false;

    const double scale = std::sqrt(std::abs(toPixels.determinant()));
    const double radius = width / 2;
    const QRectF& b = p.bounds;
    const bool upright = b.height() >= b.width();
    const QPointF start = upright ? QPointF(b.center().x(), b.top() + radius)
                                  : QPointF(b.left() + radius, b.center().y());
    const QPointF end = upright ? QPointF(b.center().x(), b.bottom() - radius)
                                : QPointF(b.right() - radius, b.center().y());
    const bool bordered = p.borderWidth > 0 && p.borderColor.isValid();
    const double inner = bordered ? radius - std::min(p.borderWidth, radius) : radius;
    const uint fill = premultiplied(p.backgroundColor, painter.opacity());
    const uint over = bordered ? premultiplied(p.borderColor, painter.opacity()) : 0;
    const Capsule bar{toPixels.map(start),
                      toPixels.map(end),
                      radius * scale,
                      inner * scale,
                      fill,
                      bordered ? over + scaled(fill, 255 - (over >> 24)) : fill};

    const QRect reach = QRectF(bar.a, bar.b)
                            .normalized()
                            .adjusted(-bar.outer - 1, -bar.outer - 1, bar.outer + 1, bar.outer + 1)
                            .toAlignedRect() &
                        image->rect();
    const QRegion clip = DevicePixels::clip(painter, reach);
    for (const QRect& rect : clip)
        paintRect(*image, rect, bar);
    return true;
}
