#include "layers/LayerBitmaps.h"
#include "layers/DevicePixels.h"

#include "common/Shadow.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <vector>

namespace {
struct Budget {
    static constexpr qint64 limit = 96ll * 1024 * 1024;
    qint64 used = 0;
    std::list<LayerBitmapCache*> recent; // most recent first
};

Budget& budget() {
    static Budget b;
    return b;
}

// Any single offscreen shadow larger than this is drawn in parts; no whole
// layer larger than this is kept as a bitmap.
constexpr qint64 largestShadowPixels = 4096ll * 4096;
constexpr qint64 largestLayerPixels = 2048ll * 2048;
// Subtrees are kept when small (a badge): a sparse group spread over the
// screen would make a large bitmap, mostly empty, remade whenever one of its
// members changes.
constexpr qint64 largestSubtreePixels = 512ll * 512;

void forget(LayerBitmapCache& entry) {
    if (entry.listed) {
        budget().recent.erase(entry.lru);
        entry.listed = false;
    }
    budget().used -= entry.image.sizeInBytes();
    entry.image = QImage();
}

void remember(LayerBitmapCache& entry) {
    auto& b = budget();
    if (entry.listed) b.recent.erase(entry.lru);
    b.recent.push_front(&entry);
    entry.lru = b.recent.begin();
    entry.listed = true;
}

void keepWithinBudget(const LayerBitmapCache& keep) {
    auto& b = budget();
    while (b.used > b.limit && !b.recent.empty() && b.recent.back() != &keep)
        forget(*b.recent.back());
}

QImage paintBody(const QRectF& rect, QSize size, double scale,
                 const LayerBitmaps::BodyPainter& body) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    // Clipping lets the painters cut long paths to what the image can hold.
    p.setClipRect(QRect(QPoint(0, 0), size));
    // Local y-up coordinates onto the image, top row first.
    body(p, QTransform(scale, 0, 0, -scale, -rect.x() * scale, (rect.y() + rect.height()) * scale));
    return image;
}

void store(LayerBitmapCache& entry, const QImage& image, const QRectF& rect, double scale,
           quint64 version) {
    forget(entry);
    entry.image = image;
    entry.localRect = rect;
    entry.scale = scale;
    entry.version = version;
    budget().used += image.sizeInBytes();
    remember(entry);
    keepWithinBudget(entry);
}

// Device pixels per unit of the coordinates `toPixels` starts from, kept sane.
double pixelScale(const QTransform& toPixels) {
    return std::clamp(std::sqrt(std::abs(toPixels.determinant())), 0.05, 8.0);
}

// Grows `rect` to whole device pixels when `toPixels` neither turns nor
// stretches it, so that a bitmap of it is blitted exactly where direct
// painting would have painted.
QRectF onPixelGrid(const QRectF& rect, const QTransform& toPixels) {
    if (toPixels.type() > QTransform::TxScale ||
        std::abs(std::abs(toPixels.m11()) - std::abs(toPixels.m22())) >= 1e-9)
        return rect;
    const QRectF onDevice = toPixels.mapRect(rect);
    const QRectF snapped(QPointF(std::floor(onDevice.left()), std::floor(onDevice.top())),
                         QPointF(std::ceil(onDevice.right()), std::ceil(onDevice.bottom())));
    return toPixels.inverted().mapRect(snapped);
}

// Whole pixels covering `length` points; a rectangle put on the pixel grid
// is a whole number of pixels, give or take rounding.
int pixelsFor(double length, double scale) {
    return std::max(1, int(std::ceil(length * scale - 1e-6)));
}

// The tinted, blurred shadow of `body` over `rect` (local coordinates) at
// `scale` pixels per point, for a layer whose shadow radius is `radius` points.
QImage renderShadow(const QRectF& rect, double scale, double radius, const QColor& color,
                    const LayerBitmaps::BodyPainter& body) {
    const QSize size(pixelsFor(rect.width(), scale), pixelsFor(rect.height(), scale));
    return Shadow::cast(paintBody(rect, size, scale, body), radius * scale, {0, 0}, color);
}

void drawUpright(QPainter& painter, const QTransform& toDevice, const QRectF& rect,
                 const QImage& image) {
    painter.setTransform(QTransform(1, 0, 0, -1, rect.x(), rect.y() + rect.height()) * toDevice);
    painter.drawImage(QRectF(0, 0, rect.width(), rect.height()), image, QRectF(image.rect()));
}

// `visible` made of thin pieces (the edges of a box being dragged out):
// blurring around each piece costs far less than blurring the box they span.
// False, painting nothing, when it would not.
bool drawShadowPieces(QPainter& painter, const QTransform& shifted, const QRectF& full,
                      double reach, const QRegion& visible, const LayerProps& p,
                      const LayerBitmaps::BodyPainter& body) {
    const QTransform toPixels = DevicePixels::of(painter, shifted);
    if (toPixels.type() > QTransform::TxScale || visible.rectCount() < 2) return false;
    const double scale = pixelScale(toPixels);
    const QTransform back = shifted.inverted();
    const auto around = [&](const QRectF& r) {
        return full.intersected(back.mapRect(r).adjusted(-reach, -reach, reach, reach));
    };
    std::vector<std::pair<QRect, QRectF>> pieces;
    double area = 0;
    for (const QRect& r : visible) {
        const QRectF part = around(r);
        if (part.isEmpty()) continue;
        pieces.emplace_back(r, onPixelGrid(part, toPixels));
        area += part.width() * part.height();
    }
    const QRectF box = around(visible.boundingRect());
    if (pieces.empty() || area > 0.9 * box.width() * box.height()) return false;
    for (const auto& [clip, part] : pieces) {
        // Pieces overlap by the blur's reach; each paints only its own part.
        painter.save();
        painter.setTransform(QTransform());
        painter.setClipRect(clip, Qt::IntersectClip);
        drawUpright(painter, shifted, part,
                    renderShadow(part, scale, p.shadowRadius, p.shadowColor, body));
        painter.restore();
    }
    return true;
}
} // namespace

LayerBitmapCache::~LayerBitmapCache() {
    forget(*this);
}

void LayerBitmaps::drawShadow(QPainter& painter, const Layer& layer, const QTransform& toDevice,
                              const QRegion& visibleRegion, const BodyPainter& body) {
    const QRectF visible = visibleRegion.boundingRect();
    const LayerProps& p = layer.drawnProps();
    const double reach = Shadow::reach(p.shadowRadius);
    const QRectF full = layer.ownBodyRect().adjusted(-reach, -reach, reach, reach);
    if (full.isEmpty()) return;
    const QTransform shifted =
        QTransform::fromTranslate(p.shadowOffset.x(), p.shadowOffset.y()) * toDevice;
    const QTransform toPixels = DevicePixels::of(painter, shifted);
    const double scale = pixelScale(toPixels);

    if (!layer.m_shadowCache) layer.m_shadowCache = std::make_unique<LayerBitmapCache>();
    auto& entry = *layer.m_shadowCache;
    const quint64 version = layer.m_contentVersion;
    if (entry.seenVersion != version) {
        entry.seenVersion = version;
        entry.seenCount = 0;
    }
    ++entry.seenCount;

    // Animated looks (a colour fading) never match a cached picture.
    const bool cacheable = !layer.contentAnimated();
    const bool cached = cacheable && entry.version == version && !entry.image.isNull() &&
                        entry.scale >= scale * 0.75 && entry.scale <= scale * 1.5;
    const double opacity = painter.opacity();
    painter.setOpacity(opacity * p.shadowOpacity);
    if (cached) {
        remember(entry);
        drawUpright(painter, shifted, entry.localRect, entry.image);
        painter.setOpacity(opacity);
        return;
    }

    // Content that just changed will likely change again (a stroke being drawn).
    if (entry.seenCount < 2 &&
        drawShadowPieces(painter, shifted, full, reach, visibleRegion, p, body)) {
        painter.setOpacity(opacity);
        return;
    }
    const double pixels = full.width() * full.height() * scale * scale;
    QRectF wanted = full;
    bool keep = cacheable && pixels <= largestShadowPixels;
    if (keep && entry.seenCount < 2) {
        // Render only what is on show unless that is most of it.
        const QRectF shown =
            shifted.inverted().mapRect(visible).adjusted(-reach, -reach, reach, reach);
        const QRectF part = full.intersected(shown);
        if (part.width() * part.height() < 0.5 * full.width() * full.height()) {
            wanted = part;
            keep = false;
        }
    } else if (pixels > largestShadowPixels) {
        const QRectF shown =
            shifted.inverted().mapRect(visible).adjusted(-reach, -reach, reach, reach);
        wanted = full.intersected(shown);
    }
    wanted = onPixelGrid(wanted, toPixels);
    if (wanted.isEmpty() ||
        wanted.width() * wanted.height() * scale * scale > largestShadowPixels) {
        painter.setOpacity(opacity);
        return;
    }
    const QImage image = renderShadow(wanted, scale, p.shadowRadius, p.shadowColor, body);
    drawUpright(painter, shifted, wanted, image);
    painter.setOpacity(opacity);
    if (keep) store(entry, image, wanted, scale, version);
}

namespace {
// Paints a picture over `rect` (local coordinates, y up) into a transparent
// image at `scale` pixels per point.
using PicturePainter = std::function<void(QImage& image, const QRectF& rect, double scale)>;

// Counts the paints a version has been seen in; a bitmap is only worth
// making for content seen at least twice.
int seen(LayerBitmapCache& entry, quint64 version) {
    if (entry.seenVersion != version) {
        entry.seenVersion = version;
        entry.seenCount = 0;
    }
    return ++entry.seenCount;
}

// How closely a bitmap must fit to stand in for painting: while a layer
// moves or scales, a nearby scale will do; at rest the scale must match, and
// for subtrees also the pixel grid (a still badge looks exactly like its
// layers painted one by one, while a dot that follows the mouse stays one
// blit a frame).
enum class Fit { nearbyScale, sameScale, samePixels };

bool reusable(const LayerBitmapCache& entry, quint64 version, const QTransform& toPixels,
              double scale, Fit fit) {
    if (entry.version != version || entry.image.isNull()) return false;
    if (fit == Fit::nearbyScale) return entry.scale >= scale * 0.75 && entry.scale <= scale * 1.5;
    if (std::abs(entry.scale - scale) >= 1e-9) return false;
    if (fit == Fit::sameScale || toPixels.type() > QTransform::TxScale) return true;
    const QRectF onDevice = toPixels.mapRect(entry.localRect);
    const auto onGrid = [](double v) { return std::abs(v - std::round(v)) < 1e-3; };
    return onGrid(onDevice.left()) && onGrid(onDevice.top());
}

bool drawCached(QPainter& painter, LayerBitmapCache& entry, quint64 version, QRectF rect,
                const QTransform& toDevice, Fit fit, const PicturePainter& picture) {
    const qint64 largest = fit == Fit::samePixels ? largestSubtreePixels : largestLayerPixels;
    const QTransform toPixels = DevicePixels::of(painter, toDevice);
    const double scale = pixelScale(toPixels);
    if (reusable(entry, version, toPixels, scale, fit)) {
        remember(entry);
        drawUpright(painter, toDevice, entry.localRect, entry.image);
        return true;
    }
    // One pixel of transparent margin gives turned edges smooth sampling.
    const double margin = 1.0 / scale;
    rect.adjust(-margin, -margin, margin, margin);
    if (rect.isEmpty() || rect.width() * rect.height() * scale * scale > largest) return false;
    rect = onPixelGrid(rect, toPixels);
    const QSize size(std::max(1, int(std::lround(rect.width() * scale))),
                     std::max(1, int(std::lround(rect.height() * scale))));
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) return false;
    image.fill(Qt::transparent);
    picture(image, rect, scale);
    store(entry, image, rect, scale, version);
    drawUpright(painter, toDevice, rect, image);
    return true;
}

// Local y-up coordinates onto an image of `rect`, top row first.
QTransform onto(const QRectF& rect, double scale) {
    return QTransform(scale, 0, 0, -scale, -rect.x() * scale, (rect.y() + rect.height()) * scale);
}

void paintInto(QImage& image, const QRectF& rect, double scale,
               const LayerBitmaps::BodyPainter& body) {
    QPainter q(&image);
    q.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform |
                     QPainter::TextAntialiasing);
    q.setClipRect(image.rect());
    body(q, onto(rect, scale));
}
} // namespace

bool LayerBitmaps::drawWhole(QPainter& painter, const Layer& layer, const QTransform& toDevice,
                             const BodyPainter& body, bool always) {
    if (!layer.m_bodyCache) layer.m_bodyCache = std::make_unique<LayerBitmapCache>();
    auto& entry = *layer.m_bodyCache;
    const quint64 version = layer.m_contentVersion;
    if (seen(entry, version) < 2 && !always) return false;
    const auto picture = [&](QImage& image, const QRectF& rect, double scale) {
        if (layer.castsShadow()) {
            const LayerProps& p = layer.drawnProps();
            // Rendered where it lands once moved by the offset.
            const QRectF from = rect.translated(-p.shadowOffset);
            const QImage shadow = renderShadow(from, scale, p.shadowRadius, p.shadowColor, body);
            QPainter q(&image);
            q.setOpacity(p.shadowOpacity);
            q.drawImage(0, 0, shadow);
        }
        paintInto(image, rect, scale, body);
    };
    return drawCached(painter, entry, version, layer.ownFootprint(), toDevice,
                      layer.isAnimating() ? Fit::nearbyScale : Fit::sameScale, picture);
}

bool LayerBitmaps::drawSubtree(QPainter& painter, const Layer& layer, const QTransform& toDevice,
                               const QRectF& localRect, const BodyPainter& tree) {
    if (!layer.m_treeCache) layer.m_treeCache = std::make_unique<LayerBitmapCache>();
    auto& entry = *layer.m_treeCache;
    const quint64 version = layer.m_treeVersion;
    if (seen(entry, version) < 2) {
        // Changing: the old picture is no use, and its memory may serve others.
        if (!entry.image.isNull()) forget(entry);
        return false;
    }
    const auto picture = [&](QImage& image, const QRectF& rect, double scale) {
        paintInto(image, rect, scale, tree);
    };
    return drawCached(painter, entry, version, localRect, toDevice, Fit::samePixels, picture);
}
