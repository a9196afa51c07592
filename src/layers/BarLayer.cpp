#include "layers/BarLayer.h"

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {
struct Premultiplied {
    float a = 0, r = 0, g = 0, b = 0;
};

Premultiplied premultiplied(const QColor& c, float opacity) {
    if (!c.isValid()) return {};
    const float a = c.alphaF() * opacity;
    return {a, c.redF() * a, c.greenF() * a, c.blueF() * a};
}

// Whether `t` keeps shapes (turns, flips, one scale for both axes).
bool keepsShapes(const QTransform& t) {
    if (t.type() > QTransform::TxRotate) return false;
    const double x = t.m11() * t.m11() + t.m12() * t.m12();
    const double y = t.m21() * t.m21() + t.m22() * t.m22();
    const double skew = t.m11() * t.m21() + t.m12() * t.m22();
    return x > 0 && std::abs(x - y) < 1e-9 * x && std::abs(skew) < 1e-9 * x;
}

// The bar in device pixels: its middle line from `a` to `b`, its outer and
// inner (inside the border) radius.
struct Capsule {
    QPointF a, b;
    double outer = 0, inner = 0;
};

void blend(uint& pixel, const Premultiplied& c, float coverage) {
    const float keep = 1 - c.a * coverage;
    const auto channel = [&](int shift, float source) {
        const float value = source * coverage * 255.0f + float((pixel >> shift) & 0xff) * keep;
        return uint(std::min(255.0f, value + 0.5f)) << shift;
    };
    pixel = channel(24, c.a) | channel(16, c.r) | channel(8, c.g) | channel(0, c.b);
}

// An opaque colour as a pixel; 0 for one that is not opaque.
uint opaquePixel(const Premultiplied& c) {
    if (c.a < 1) return 0;
    const auto byte = [](float v) { return uint(std::clamp(v * 255.0f + 0.5f, 0.0f, 255.0f)); };
    return 0xff000000u | byte(c.r) << 16 | byte(c.g) << 8 | byte(c.b);
}

void paintRect(QImage& image, const QRect& rect, const Capsule& bar, const Premultiplied& fill,
               const Premultiplied& border) {
    const struct {
        uint fill, border;
    } solid{opaquePixel(fill), opaquePixel(border)};
    const double dx = bar.b.x() - bar.a.x(), dy = bar.b.y() - bar.a.y();
    const double length = std::hypot(dx, dy);
    const double ux = length > 0 ? dx / length : 1, uy = length > 0 ? dy / length : 0;
    const double reach = bar.outer + 1;
    const double across = -uy * bar.a.x() + ux * bar.a.y(); // the middle line, along its normal
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        const double cy = y + 0.5;
        int from = rect.left(), to = rect.right();
        // Only the pixels of the band around the middle line.
        if (std::abs(uy) > 1e-9) {
            const double x1 = (ux * cy - across - reach) / uy, x2 = (ux * cy - across + reach) / uy;
            from = std::max(from, int(std::floor(std::min(x1, x2))));
            to = std::min(to, int(std::ceil(std::max(x1, x2))));
        }
        auto* row = reinterpret_cast<uint*>(image.scanLine(y));
        const double px0 = from + 0.5 - bar.a.x(), py = cy - bar.a.y();
        // Along the bar at both ends of the row: away from the round ends the
        // distance to the middle line changes by the same step each pixel.
        const double along0 = px0 * ux + py * uy, along1 = along0 + (to - from) * ux;
        const bool body = std::min(along0, along1) >= 0 && std::max(along0, along1) <= length;
        const double side0 = px0 * -uy + py * ux;
        for (int x = from; x <= to; ++x) {
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
            if (d <= bar.inner - 0.5 && solid.fill) {
                row[x] = solid.fill;
                continue;
            }
            if (d >= bar.inner + 0.5 && d <= bar.outer - 0.5 && solid.border) {
                row[x] = solid.border;
                continue;
            }
            const float outer = float(std::min(1.0, bar.outer - d + 0.5));
            const float inner = float(std::clamp(bar.inner - d + 0.5, 0.0, 1.0));
            // The border's inner edge, smoothed.
            const Premultiplied c{border.a + (fill.a - border.a) * inner,
                                  border.r + (fill.r - border.r) * inner,
                                  border.g + (fill.g - border.g) * inner,
                                  border.b + (fill.b - border.b) * inner};
            blend(row[x], c, outer);
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
    const QTransform toPixels =
        toDevice * painter.worldTransform().inverted() * painter.deviceTransform();
    if (!keepsShapes(toPixels)) return false;

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
    const Capsule bar{toPixels.map(start), toPixels.map(end), radius * scale, inner * scale};
    const float opacity = float(painter.opacity());
    const Premultiplied fill = premultiplied(p.backgroundColor, opacity);
    // The border is painted over the fill, which runs beneath it to the edge.
    Premultiplied border = fill;
    if (bordered) {
        const Premultiplied over = premultiplied(p.borderColor, opacity);
        const float under = 1 - over.a;
        border = {over.a + fill.a * under, over.r + fill.r * under, over.g + fill.g * under,
                  over.b + fill.b * under};
    }

    const QRect reach = QRectF(bar.a, bar.b)
                            .normalized()
                            .adjusted(-bar.outer - 1, -bar.outer - 1, bar.outer + 1, bar.outer + 1)
                            .toAlignedRect() &
                        image->rect();
    painter.save();
    painter.setTransform(
        (painter.worldTransform().inverted() * painter.deviceTransform()).inverted());
    const QRegion clip = painter.hasClipping() ? painter.clipRegion() & reach : QRegion(reach);
    painter.restore();
    for (const QRect& rect : clip)
        paintRect(*image, rect, bar, fill, border);
    return true;
}
