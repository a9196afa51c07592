#include "layers/LayerBitmaps.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <opencv2/imgproc.hpp>

namespace {
struct Budget {
    qint64 limit = 96ll * 1024 * 1024;
    qint64 used = 0;
    std::list<Layer::BitmapCache*> recent; // most recent first
};

Budget& budget() {
    static Budget b;
    return b;
}

// Any single offscreen shadow larger than this is drawn in parts; no whole
// layer larger than this is kept as a bitmap.
constexpr qint64 largestShadowPixels = 4096ll * 4096;
constexpr qint64 largestLayerPixels = 2048ll * 2048;

void forget(Layer::BitmapCache& entry) {
    if (entry.listed) {
        budget().recent.erase(entry.lru);
        entry.listed = false;
    }
    budget().used -= entry.image.sizeInBytes();
    entry.image = QImage();
}

void remember(Layer::BitmapCache& entry) {
    auto& b = budget();
    if (entry.listed) b.recent.erase(entry.lru);
    b.recent.push_front(&entry);
    entry.lru = b.recent.begin();
    entry.listed = true;
}

void keepWithinBudget(const Layer::BitmapCache& keep) {
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

void store(Layer::BitmapCache& entry, const QImage& image, const QRectF& rect, double scale,
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

double pixelScale(const QPainter& painter, const QTransform& toDevice) {
    const QTransform pixelsPerUnit =
        painter.worldTransform().inverted() * painter.deviceTransform();
    return std::clamp(std::sqrt(std::abs((toDevice * pixelsPerUnit).determinant())), 0.05, 8.0);
}

// The tinted, blurred shadow of `body` over `rect` (local coordinates) at
// `scale` pixels per point.
QImage renderShadow(const QRectF& rect, double scale, double sigma, const QColor& color,
                    const LayerBitmaps::BodyPainter& body) {
    const QSize size(std::max(1, int(std::ceil(rect.width() * scale))),
                     std::max(1, int(std::ceil(rect.height() * scale))));
    QImage image = paintBody(rect, size, scale, body);
    cv::Mat pixels(size.height(), size.width(), CV_8UC4, image.bits(), image.bytesPerLine());
    cv::Mat alpha;
    cv::extractChannel(pixels, alpha, 3); // premultiplied ARGB is B,G,R,A in memory
    if (sigma * scale > 0.1) cv::GaussianBlur(alpha, alpha, cv::Size(0, 0), sigma * scale);
    const QRgb tint = color.rgba();
    const int ca = qAlpha(tint);
    for (int y = 0; y < size.height(); ++y) {
        const uchar* a = alpha.ptr<uchar>(y);
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const int k = a[x] * ca / 255;
            out[x] = qRgba(qRed(tint) * k / 255, qGreen(tint) * k / 255, qBlue(tint) * k / 255, k);
        }
    }
    return image;
}

void drawUpright(QPainter& painter, const QTransform& toDevice, const QRectF& rect,
                 const QImage& image) {
    painter.setTransform(QTransform(1, 0, 0, -1, rect.x(), rect.y() + rect.height()) * toDevice);
    painter.drawImage(QRectF(0, 0, rect.width(), rect.height()), image, QRectF(image.rect()));
}
} // namespace

Layer::BitmapCache::~BitmapCache() {
    forget(*this);
}

void LayerBitmaps::setBudgetBytes(qint64 bytes) {
    budget().limit = std::max<qint64>(bytes, 0);
    if (!budget().recent.empty()) keepWithinBudget(*budget().recent.front());
}

qint64 LayerBitmaps::cachedBytes() {
    return budget().used;
}

void LayerBitmaps::drawShadow(QPainter& painter, const Layer& layer, const QTransform& toDevice,
                              const QRectF& visible, const BodyPainter& body) {
    const LayerProps& p = layer.drawnProps();
    const double sigma = p.shadowRadius / 2;
    const double reach = 3 * sigma + 1;
    const QRectF full = layer.ownBodyRect().adjusted(-reach, -reach, reach, reach);
    if (full.isEmpty()) return;
    const QTransform shifted =
        QTransform::fromTranslate(p.shadowOffset.x(), p.shadowOffset.y()) * toDevice;
    const double scale = pixelScale(painter, shifted);

    if (!layer.shadowCache_) layer.shadowCache_ = std::make_unique<Layer::BitmapCache>();
    auto& entry = *layer.shadowCache_;
    const quint64 version = layer.contentVersion_;
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

    const double pixels = full.width() * full.height() * scale * scale;
    QRectF wanted = full;
    bool keep = cacheable && pixels <= largestShadowPixels;
    if (keep && entry.seenCount < 2) {
        // Content that just changed will likely change again (a stroke being
        // drawn): render only what is on show unless that is most of it.
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
    if (wanted.isEmpty() ||
        wanted.width() * wanted.height() * scale * scale > largestShadowPixels) {
        painter.setOpacity(opacity);
        return;
    }
    const QImage image = renderShadow(wanted, scale, sigma, p.shadowColor, body);
    drawUpright(painter, shifted, wanted, image);
    painter.setOpacity(opacity);
    if (keep) store(entry, image, wanted, scale, version);
}

bool LayerBitmaps::drawWhole(QPainter& painter, const Layer& layer, const QTransform& toDevice,
                             const BodyPainter& body, bool always) {
    if (!layer.bodyCache_) layer.bodyCache_ = std::make_unique<Layer::BitmapCache>();
    auto& entry = *layer.bodyCache_;
    const quint64 version = layer.contentVersion_;
    if (entry.seenVersion != version) {
        entry.seenVersion = version;
        entry.seenCount = 0;
    }
    ++entry.seenCount;
    if (!always && entry.seenCount < 2) return false;
    const double scale = pixelScale(painter, toDevice);
    // While it moves or scales, a bitmap of a nearby scale will do; at rest
    // it must match the pixels exactly.
    const bool reusable = layer.isAnimating()
                              ? entry.scale >= scale * 0.75 && entry.scale <= scale * 1.5
                              : std::abs(entry.scale - scale) < 1e-9;
    if (entry.version == version && !entry.image.isNull() && reusable) {
        remember(entry);
        drawUpright(painter, toDevice, entry.localRect, entry.image);
        return true;
    }
    // One pixel of transparent margin gives turned edges smooth sampling.
    const double margin = 1.0 / scale;
    QRectF rect = layer.ownFootprint().adjusted(-margin, -margin, margin, margin);
    if (rect.isEmpty() || rect.width() * rect.height() * scale * scale > largestLayerPixels)
        return false;
    // Unturned, the bitmap's pixels are put on the device's pixel grid, so
    // that it is blitted exactly where direct painting would have painted.
    const QTransform toPixels =
        toDevice * painter.worldTransform().inverted() * painter.deviceTransform();
    if (toPixels.type() <= QTransform::TxScale &&
        std::abs(std::abs(toPixels.m11()) - std::abs(toPixels.m22())) < 1e-9) {
        const QRectF onDevice = toPixels.mapRect(rect);
        const QRectF snapped(QPointF(std::floor(onDevice.left()), std::floor(onDevice.top())),
                             QPointF(std::ceil(onDevice.right()), std::ceil(onDevice.bottom())));
        rect = toPixels.inverted().mapRect(snapped);
    }
    const QSize size(std::max(1, int(std::lround(rect.width() * scale))),
                     std::max(1, int(std::lround(rect.height() * scale))));
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    if (layer.castsShadow()) {
        const LayerProps& p = layer.drawnProps();
        // Rendered where it lands once moved by the offset.
        const QRectF from = rect.translated(-p.shadowOffset);
        const QImage shadow = renderShadow(from, scale, p.shadowRadius / 2, p.shadowColor, body);
        QPainter q(&image);
        q.setOpacity(p.shadowOpacity);
        q.drawImage(0, 0, shadow);
    }
    {
        QPainter q(&image);
        q.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
        q.setClipRect(QRect(QPoint(0, 0), size));
        body(q, QTransform(scale, 0, 0, -scale, -rect.x() * scale,
                           (rect.y() + rect.height()) * scale));
    }
    store(entry, image, rect, scale, version);
    drawUpright(painter, toDevice, rect, image);
    return true;
}
