#include "layers/LayerRenderer.h"

#include "layers/Layer.h"
#include "layers/LayerBitmaps.h"
#include "layers/VisiblePart.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <cstring>

namespace {
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
    Frame(QPainter& painter, const QRegion& region, const QTransform& base, bool intoBitmap = false)
        : painter(painter), region(region), regionBox(region.boundingRect()), base(base),
          intoBitmap(intoBitmap) {
        bool invertible = false;
        const QTransform toRoot = base.inverted(&invertible);
        regionInRoot =
            invertible ? toRoot.mapRect(regionBox) : QRectF(-1e300, -1e300, 2e300, 2e300);
    }
    QPainter& painter;
    const QRegion& region;
    QRectF regionBox;
    QTransform base; // root coordinates to the painter's
    // The region's bounding box in root coordinates: most layers of a full
    // screen of ink are rejected by comparing it with their painted area.
    QRectF regionInRoot;
    // Painting a subtree into its bitmap: layer by layer, without bitmaps
    // of subtrees inside it.
    bool intoBitmap = false;
};

bool overlaps(const QRectF& a, const QRectF& b) {
    return a.left() < b.right() && b.left() < a.right() && a.top() < b.bottom() &&
           b.top() < a.bottom();
}

// Subtrees with more layers than this are not kept as one bitmap: their
// sublayers change too often (the ink container) and have bitmaps of their own.
constexpr int mostLayersInBitmap = 16;
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

    // Whether the subtree holds still: nothing in it animates or grows, and it is small.
    static bool stillSubtree(const Layer& layer, int& budget) {
        if (--budget < 0 || layer.isAnimating() || layer.isGrowing()) return false;
        for (const auto& sub : layer.m_sublayers)
            if (!stillSubtree(*sub, budget)) return false;
        return true;
    }

    // Paints a layer with sublayers from a bitmap of its whole subtree, when
    // that looks exactly like painting it layer by layer: unturned, opaque
    // (opacity applies to each layer, not to their composite) and still.
    static bool paintSubtreeBitmap(Frame& f, const Layer& layer, const QTransform& m,
                                   double opacity) {
        if (f.intoBitmap || opacity < 1.0 || m.type() > QTransform::TxScale) return false;
        int budget = mostLayersInBitmap;
        if (!stillSubtree(layer, budget)) return false;
        const QTransform toRoot = layer.toRootTransform();
        bool invertible = false;
        const QTransform fromRoot = toRoot.inverted(&invertible);
        if (!invertible) return false;
        const QRectF local = fromRoot.mapRect(layer.paintedRectInRoot());
        const auto tree = [&](QPainter& q, const QTransform& localToImage) {
            const QRegion all(q.clipBoundingRect().toAlignedRect());
            Frame inner(q, all, fromRoot * localToImage, true);
            paintTree(inner, layer, 1.0);
        };
        f.painter.setOpacity(opacity);
        return LayerBitmaps::drawSubtree(f.painter, layer, m, local, tree);
    }

    static void paintTree(Frame& f, const Layer& layer, double parentOpacity) {
        const LayerProps& p = layer.drawnProps();
        const double opacity = parentOpacity * p.opacity;
        if (p.hidden || opacity <= 0) return;
        const QRectF painted = layer.paintedRectInRoot();
        if (painted.isEmpty() || !overlaps(painted, f.regionInRoot)) return;
        if (f.region.rectCount() > 1 &&
            !f.region.intersects(f.base.mapRect(painted).toAlignedRect()))
            return;

        QPainter& painter = f.painter;
        const QTransform m = layer.toRootTransform() * f.base;
        const bool leaf = layer.m_sublayers.empty();
        if (!leaf && paintSubtreeBitmap(f, layer, m, opacity)) return;
        // A leaf's painted area is its own: it was tested just above.
        const QRectF own = layer.ownFootprint();
        const bool ownShown =
            !own.isEmpty() && (leaf || f.region.intersects(m.mapRect(own).toAlignedRect()));
        painter.setOpacity(opacity);
        // Whole-layer bitmaps bake the border in below the sublayers, so only
        // layers without sublayers use them; a layer showing just an image
        // draws that image directly.
        bool asBitmap = false;
        if (ownShown) {
            const bool turned = m.type() > QTransform::TxScale;
            const bool onlyContents = layer.paintsOnlyContents();
            const auto body = [&layer](QPainter& q, const QTransform& t) {
                paintBody(q, layer, t);
            };
            // Inside a subtree's bitmap a leaf is painted directly, except
            // turned ones, whose bitmaps look a little different.
            // A path being drawn keeps bitmaps of its own that grow with it.
            if (leaf && !f.intoBitmap && layer.drawDirectly(painter, m))
                asBitmap = true;
            else if (leaf && !onlyContents && (!f.intoBitmap || turned) && !layer.contentAnimated())
                asBitmap = LayerBitmaps::drawWhole(painter, layer, m, body, turned);
            if (!asBitmap) {
                if (layer.castsShadow())
                    LayerBitmaps::drawShadow(painter, layer, m, f.region, body);
                paintBackground(painter, layer, m);
                painter.setTransform(m);
                layer.drawContent(painter);
            }
        }
        if (!layer.m_sublayers.empty()) {
            if (p.masksToBounds) {
                painter.save();
                painter.setTransform(m);
                if (cornerOf(p) > 0)
                    painter.setClipPath(roundedBounds(p), Qt::IntersectClip);
                else
                    painter.setClipRect(p.bounds, Qt::IntersectClip);
            }
            for (const auto& sub : layer.m_sublayers)
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
    Frame f(painter, region, flip * painter.worldTransform());
    LayerRendererAccess::paintTree(f, root, painter.opacity());
    painter.restore();
}

namespace {
// Clears `region` of a 32-bit picture row by row, when the painter maps it
// onto whole pixels (a scale of 1 or 2 and no clip): the painter's own fill
// would go through its span machinery once per rectangle.
bool clearPixels(QPainter& painter, const QRegion& region) {
    auto* image = dynamic_cast<QImage*>(painter.device());
    const QTransform t = painter.deviceTransform();
    if (!image || image->depth() != 32 || painter.hasClipping() || t.type() > QTransform::TxScale ||
        t.m11() != t.m22() || t.m11() != std::round(t.m11()) || t.dx() != std::round(t.dx()) ||
        t.dy() != std::round(t.dy()))
        return false;
    const int scale = int(t.m11());
    // One look-up of the pixels: scanLine() checks for sharing at every row.
    uchar* const bits = image->bits();
    const qsizetype stride = image->bytesPerLine();
    for (const QRect& logical : region) {
        const QRect r = QRect(logical.x() * scale + int(t.dx()), logical.y() * scale + int(t.dy()),
                              logical.width() * scale, logical.height() * scale) &
                        image->rect();
        for (int y = r.top(); y <= r.bottom(); ++y)
            std::memset(bits + y * stride + r.left() * 4, 0, size_t(r.width()) * 4);
    }
    return true;
}
} // namespace

void LayerRenderer::repaint(QPainter& painter, const Layer& root, const QRegion& region) {
    if (!clearPixels(painter, region)) {
        painter.save();
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        for (const QRect& r : region)
            painter.fillRect(r, Qt::transparent);
        painter.restore();
    }
    paint(painter, root, region);
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
