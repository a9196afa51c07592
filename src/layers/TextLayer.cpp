#include "layers/TextLayer.h"

#include <QPainter>
#include <cmath>

namespace {
// 72 dots per inch: a point of the font is one pixel at scale 1.
constexpr int dotsPerMeterAt72 = 2835;
} // namespace

TextLayer::TextLayer() {
    m_font = QFont();
}

void TextLayer::setString(const QString& text) {
    if (text == m_string) return;
    willChange(false);
    m_string = text;
    m_imageValid = false;
    contentChanged();
    didChange(false);
}

void TextLayer::setFont(const QFont& font) {
    if (font == m_font) return;
    willChange(false);
    m_font = font;
    m_imageValid = false;
    contentChanged();
    didChange(false);
}

void TextLayer::setFontSize(double points) {
    if (!std::isfinite(points) || points <= 0 || points == m_fontSize) return;
    willChange(false);
    m_fontSize = points;
    m_imageValid = false;
    contentChanged();
    didChange(false);
}

void TextLayer::setAlignment(Qt::Alignment alignment) {
    alignment &= Qt::AlignHorizontal_Mask;
    if (alignment == m_alignment) return;
    willChange(false);
    m_alignment = alignment;
    m_imageValid = false;
    contentChanged();
    didChange(false);
}

void TextLayer::setForegroundColor(const QColor& color) {
    if (color == m_foreground) return;
    willChange(false);
    m_foreground = color;
    m_imageValid = false;
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
    if (m_imageValid && m_image.size() == pixels && m_image.devicePixelRatio() == scale)
        return m_image;
    m_imageValid = true;
    m_image = QImage();
    if (pixels.isEmpty() || qint64(pixels.width()) * pixels.height() > 8192ll * 8192)
        return m_image;
    m_image = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
    m_image.fill(Qt::transparent);
    m_image.setDotsPerMeterX(dotsPerMeterAt72);
    m_image.setDotsPerMeterY(dotsPerMeterAt72);
    m_image.setDevicePixelRatio(scale);
    QPainter painter(&m_image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    QFont font = m_font;
    font.setPointSizeF(m_fontSize);
    painter.setFont(font);
    painter.setPen(m_foreground);
    painter.drawText(QRectF(QPointF(0, 0), p.bounds.size()), int(m_alignment | Qt::AlignTop),
                     m_string);
    return m_image;
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
