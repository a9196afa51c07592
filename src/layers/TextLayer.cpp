#include "layers/TextLayer.h"

#include <QPainter>
#include <cmath>

namespace {
// 72 dots per inch: a point of the font is one pixel at scale 1.
constexpr int dotsPerMeterAt72 = 2835;
} // namespace

TextLayer::TextLayer() {
    font_ = QFont();
}

void TextLayer::setString(const QString& text) {
    if (text == string_) return;
    willChange(false);
    string_ = text;
    cacheValid_ = false;
    contentChanged();
    didChange(false);
}

void TextLayer::setFont(const QFont& font) {
    if (font == font_) return;
    willChange(false);
    font_ = font;
    cacheValid_ = false;
    contentChanged();
    didChange(false);
}

void TextLayer::setFontSize(double points) {
    if (!std::isfinite(points) || points <= 0 || points == fontSize_) return;
    willChange(false);
    fontSize_ = points;
    cacheValid_ = false;
    contentChanged();
    didChange(false);
}

void TextLayer::setAlignment(Qt::Alignment alignment) {
    alignment &= Qt::AlignHorizontal_Mask;
    if (alignment == alignment_) return;
    willChange(false);
    alignment_ = alignment;
    cacheValid_ = false;
    contentChanged();
    didChange(false);
}

void TextLayer::setForegroundColor(const QColor& color) {
    if (color == foreground_) return;
    willChange(false);
    foreground_ = color;
    cacheValid_ = false;
    contentChanged();
    didChange(false);
}

QRectF TextLayer::contentRect() const {
    return drawnProps().bounds;
}

const QImage& TextLayer::rasterised() const {
    const LayerProps& p = drawnProps();
    const double scale = std::clamp(p.contentsScale, 0.25, 8.0);
    const QSize pixels(int(std::ceil(p.bounds.width() * scale)),
                       int(std::ceil(p.bounds.height() * scale)));
    if (cacheValid_ && cache_.size() == pixels && cache_.devicePixelRatio() == scale) return cache_;
    cacheValid_ = true;
    cache_ = QImage();
    if (pixels.isEmpty() || qint64(pixels.width()) * pixels.height() > 8192ll * 8192) return cache_;
    cache_ = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
    cache_.fill(Qt::transparent);
    cache_.setDotsPerMeterX(dotsPerMeterAt72);
    cache_.setDotsPerMeterY(dotsPerMeterAt72);
    cache_.setDevicePixelRatio(scale);
    QPainter painter(&cache_);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    QFont font = font_;
    font.setPointSizeF(fontSize_);
    painter.setFont(font);
    painter.setPen(foreground_);
    painter.drawText(QRectF(QPointF(0, 0), p.bounds.size()), int(alignment_ | Qt::AlignTop),
                     string_);
    return cache_;
}

void TextLayer::drawContent(QPainter& painter) const {
    const QImage& text = rasterised();
    if (text.isNull()) return;
    const QRectF b = drawnProps().bounds;
    const QTransform m = painter.transform();
    // Upright: the image's top row at the top (highest y) of the bounds.
    painter.setTransform(QTransform(1, 0, 0, -1, b.x(), b.y() + b.height()) * m);
    painter.drawImage(QRectF(QPointF(0, 0), b.size()), text, QRectF(text.rect()));
    painter.setTransform(m);
}
