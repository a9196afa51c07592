#include "layers/LayerRenderer.h"

#include "layers/Layer.h"
#include "layers/LayerBitmaps.h"
#include "layers/VisiblePart.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace {
std::function<void(const Layer&)>& paintObserver() {
    static std::function<void(const Layer&)> observer;
    return observer;
}

bool visible(const QColor& c) {
    return c.isValid() && c.alpha() > 0;
}

double cornerOf(const LayerProps& p) {
    return std::min(p.cornerRadius, std::min(p.bounds.width(), p.bounds.height()) / 2);
}

QPainterPath roundedBounds(const LayerProps& p, double inset = 0.0) {
    QPainterPath path;
    const QRectF r = p.bounds.adjusted(inset, inset, -inset, -inset);
    const double radius = std::max(0.0, cornerOf(p) - inset);
    if (radius > 0)
        path.addRoundedRect(r, radius, radius);
    else
        path.addRect(r);
    return path;
}

// Maps an image's pixels (top row first) over a layer's bounds, upright.
QTransform uprightIn(const QRectF& bounds) {
    return QTransform(1, 0, 0, -1, bounds.x(), bounds.y() + bounds.height());
}

struct Frame {
    QPainter& painter;
    const QRegion& region;
    QRectF regionBox;
    QTransform base; // root coordinates to the painter's
};
} // namespace

class LayerRendererAccess {
  public:
    static void paintBackground(QPainter& painter, const Layer& layer, const QTransform& m) {
        const LayerProps& p = layer.drawnProps();
        painter.setTransform(m);
        if (visible(p.backgroundColor)) {
            if (cornerOf(p) > 0) {
                painter.fillPath(visibleFill(painter, roundedBounds(p)), p.backgroundColor);
            } else {
                painter.fillRect(p.bounds, p.backgroundColor);
            }
        }
        if (!p.contents.isNull() && !p.bounds.isEmpty()) {
            const bool clip = p.masksToBounds && cornerOf(p) > 0;
            if (clip) {
                painter.save();
                painter.setClipPath(roundedBounds(p), Qt::IntersectClip);
            }
            painter.setTransform(uprightIn(p.bounds) * m);
            painter.drawImage(QRectF(QPointF(0, 0), p.bounds.size()), p.contents,
                              QRectF(p.contents.rect()));
            if (clip) painter.restore();
            painter.setTransform(m);
        }
    }

    static void paintBorder(QPainter& painter, const Layer& layer, const QTransform& m) {
        const LayerProps& p = layer.drawnProps();
        if (p.borderWidth <= 0 || !visible(p.borderColor) || p.bounds.isEmpty()) return;
        painter.setTransform(m);
        const double w = std::min(p.borderWidth, std::min(p.bounds.width(), p.bounds.height()) / 2);
        // The border lies inside the bounds, following the rounded corners.
        QPainterPath ring = roundedBounds(p);
        ring.addPath(roundedBounds(p, w));
        ring.setFillRule(Qt::OddEvenFill);
        painter.fillPath(visibleFill(painter, ring), p.borderColor);
    }

    static void paintBody(QPainter& painter, const Layer& layer, const QTransform& m) {
        paintBackground(painter, layer, m);
        painter.setTransform(m);
        layer.drawContent(painter);
        paintBorder(painter, layer, m);
    }

    static void paintTree(Frame& f, const Layer& layer, double parentOpacity) {
        const LayerProps& p = layer.drawnProps();
        const double opacity = parentOpacity * p.opacity;
        if (p.hidden || opacity <= 0) return;
        const QRectF painted = layer.paintedRectInRoot();
        if (painted.isEmpty()) return;
        const QRectF onDevice = f.base.mapRect(painted);
        if (!onDevice.intersects(f.regionBox) || !f.region.intersects(onDevice.toAlignedRect()))
            return;

        QPainter& painter = f.painter;
        const QTransform m = layer.toRootTransform() * f.base;
        const QRectF own = layer.ownFootprint();
        const bool ownShown = !own.isEmpty() && f.region.intersects(m.mapRect(own).toAlignedRect());
        painter.setOpacity(opacity);
        // Whole-layer bitmaps bake the border in below the sublayers, so only
        // layers without sublayers use them; a layer showing just an image
        // draws that image directly.
        bool asBitmap = false;
        if (ownShown) {
            if (auto& observe = paintObserver()) observe(layer);
            const bool turned = m.type() > QTransform::TxScale;
            const bool onlyContents = !layer.castsShadow() && !layer.hasContent() &&
                                      !visible(p.backgroundColor) &&
                                      !(p.borderWidth > 0 && visible(p.borderColor));
            const auto body = [&layer](QPainter& q, const QTransform& t) {
                paintBody(q, layer, t);
            };
            if (layer.sublayers_.empty() && !onlyContents && !layer.contentAnimated())
                asBitmap = LayerBitmaps::drawWhole(painter, layer, m, body, turned);
            if (!asBitmap) {
                if (layer.castsShadow())
                    LayerBitmaps::drawShadow(painter, layer, m, f.regionBox, body);
                paintBackground(painter, layer, m);
                painter.setTransform(m);
                layer.drawContent(painter);
            }
        }
        if (!layer.sublayers_.empty()) {
            if (p.masksToBounds) {
                painter.save();
                painter.setTransform(m);
                if (cornerOf(p) > 0)
                    painter.setClipPath(roundedBounds(p), Qt::IntersectClip);
                else
                    painter.setClipRect(p.bounds, Qt::IntersectClip);
            }
            for (const auto& sub : layer.sublayers_)
                paintTree(f, *sub, opacity);
            if (p.masksToBounds) painter.restore();
            painter.setOpacity(opacity);
        }
        if (ownShown && !asBitmap) paintBorder(painter, layer, m);
    }
};

void LayerRenderer::paint(QPainter& painter, const Layer& root, const QRegion& region) {
    if (region.isEmpty()) return;
    painter.save();
    painter.setClipRegion(region, painter.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform |
                           QPainter::TextAntialiasing);
    const QRectF b = root.drawnProps().bounds;
    // The one flip: the root's top edge (highest y) goes to Qt's y = 0.
    const QTransform flip(1, 0, 0, -1, -b.x(), b.y() + b.height());
    Frame f{painter, region, QRectF(region.boundingRect()), flip * painter.worldTransform()};
    LayerRendererAccess::paintTree(f, root, painter.opacity());
    painter.restore();
}

QImage LayerRenderer::renderImage(const Layer& root, double scale, const QColor& background) {
    const QSizeF points = root.drawnProps().bounds.size();
    if (!(scale > 0) || !std::isfinite(scale) || points.isEmpty()) return {};
    const QSize pixels(int(std::ceil(points.width() * scale)),
                       int(std::ceil(points.height() * scale)));
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) return {}; // too large to allocate
    image.setDevicePixelRatio(scale);
    image.fill(background.isValid() ? background : QColor(Qt::transparent));
    QPainter painter(&image);
    paint(painter, root, QRegion(QRect(QPoint(0, 0), points.toSize() + QSize(1, 1))));
    return image;
}

void LayerRenderer::setPaintObserver(std::function<void(const Layer&)> observer) {
    paintObserver() = std::move(observer);
}
