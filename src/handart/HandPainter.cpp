#include "handart/HandPainter.h"
#include "common/Shadow.h"
#include "handart/HandParts.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPathStroker>
#include <algorithm>
#include <charconv>
#include <cmath>

namespace HandPainter {
namespace {
// Bitmaps never exceed this many pixels per side, whatever is asked for.
constexpr double maxSide = 4096;

// One pixel per side at least; non-finite sizes become a single pixel.
int boundedSide(double pixels) {
    if (!std::isfinite(pixels)) return 1;
    return int(std::clamp(std::round(pixels), 1.0, maxSide));
}

// Shrinks an oversized request evenly, so a huge hand keeps its proportions.
QSizeF fitted(QSizeF pixels) {
    const double largest = std::max(pixels.width(), pixels.height());
    if (!std::isfinite(largest) || largest <= maxSide) return pixels;
    return pixels * (maxSide / largest);
}

QString shortestDecimal(double value) {
    char text[64];
    // Plain decimals in the everyday range, exponents outside it.
    const double magnitude = std::fabs(value);
    const bool plain = value == 0 || (magnitude >= 1e-4 && magnitude < 9007199254740992.0);
    const auto result =
        plain ? std::to_chars(text, text + sizeof text, value, std::chars_format::fixed)
              : std::to_chars(text, text + sizeof text, value);
    QString written = QString::fromLatin1(text, int(result.ptr - text));
    if (!written.contains(u'.') && !written.contains(u'e') &&
        !written.contains(QLatin1String("inf")) && !written.contains(QLatin1String("nan")))
        written += QLatin1String(".0");
    return written;
}

QColor color(const Rgba& rgba) {
    return rgba.toColor();
}

QPen pen(const Rgba& rgba, double width) {
    return QPen(color(rgba), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

struct ShadowStyle {
    double blur = 0;
    double up = 0; // pixels toward the top edge of the image
    QColor color;
};

std::optional<ShadowStyle> shadowFor(const HandSkin& skin) {
    switch (skin.style) {
    case HandSkin::Style::normal:
    case HandSkin::Style::robot:
        return ShadowStyle{5, 2.5, QColor::fromRgbF(0, 0, 0, 0.28f)};
    case HandSkin::Style::neon:
        return ShadowStyle{9, 0, color(skin.outline)};
    case HandSkin::Style::pixel:
    case HandSkin::Style::ghost:
        return std::nullopt;
    }
    return std::nullopt;
}

// The hand grown by 4.2 units on every side in the outline colour, with its
// one shadow underneath. `toBitmap` maps hand coordinates to pixels.
void paintOutlineBody(QImage& bitmap, const QTransform& toBitmap, const QPainterPath& hand,
                      const HandSkin& skin, bool smooth) {
    QPainterPathStroker stroker;
    stroker.setWidth(8.4);
    stroker.setJoinStyle(Qt::RoundJoin);
    stroker.setCapStyle(Qt::RoundCap);

    // Stroke and hand overlap; painting both opaque and tinting afterwards keeps
    // a translucent outline colour from doubling up where they meet.
    QImage body(bitmap.size(), QImage::Format_ARGB32_Premultiplied);
    body.fill(Qt::transparent);
    {
        QPainter p(&body);
        p.setRenderHint(QPainter::Antialiasing, smooth);
        p.setTransform(toBitmap);
        p.fillPath(stroker.createStroke(hand), Qt::black);
        p.fillPath(hand, Qt::black);
        p.resetTransform();
        p.setCompositionMode(QPainter::CompositionMode_SourceIn);
        p.fillRect(body.rect(), color(skin.outline));
    }

    QPainter p(&bitmap);
    if (const auto shadow = shadowFor(skin))
        p.drawImage(0, 0, Shadow::cast(body, shadow->blur, {0, -shadow->up}, shadow->color));
    p.drawImage(0, 0, body);
}

void paintHand(QPainter& p, const HandSkin& skin, const HandParts& parts, const QPainterPath& palm,
               const QPainterPath& hand) {
    const bool hollow = skin.style == HandSkin::Style::neon || skin.style == HandSkin::Style::ghost;
    if (hollow) { // only the outline ring stays
        p.save();
        p.setCompositionMode(QPainter::CompositionMode_Clear);
        p.fillPath(hand, Qt::black);
        p.restore();
    }

    fill(p, palm, skin.fill);

    p.save();
    p.setClipPath(palm);
    const double lineAlpha = skin.style == HandSkin::Style::ghost ? 0.7 : 1.0;
    p.setPen(pen(skin.outline.withAlpha(lineAlpha), 2.4));
    p.setBrush(Qt::NoBrush);
    QPainterPath knuckleLines;
    for (const QPainterPath& knuckle : parts.knuckles)
        knuckleLines.addPath(knuckle);
    p.drawPath(knuckleLines);
    p.setPen(pen(skin.outline.withAlpha(lineAlpha), 1.92));
    QPainterPath creases;
    creases.moveTo(42, 47);
    creases.quadTo(48, 50, 54, 47);
    creases.moveTo(43, 27);
    creases.quadTo(48, 29.5, 53, 27);
    p.drawPath(creases);
    p.restore();

    fill(p, parts.thumb, skin.fill);
    p.strokePath(parts.thumb, pen(skin.outline, 2.4));

    if (skin.cuff) {
        fill(p, parts.cuff, *skin.cuff);
        p.strokePath(parts.cuff, pen(skin.outline, 2.4));
        QPainterPath seam;
        seam.moveTo(35, 112);
        seam.lineTo(76, 112);
        p.strokePath(seam, pen(skin.outline.withAlpha(0.45), 1.6));
    } else {
        // The bare wrist shows only where neither palm nor thumb is painted.
        p.save();
        QPainterPath uncovered;
        uncovered.addPath(parts.wrist);
        uncovered.addPath(palm);
        uncovered.addPath(parts.thumb);
        uncovered.setFillRule(Qt::OddEvenFill);
        p.setClipPath(uncovered);
        fill(p, parts.wrist, skin.fill);
        p.restore();
    }

    if (skin.style == HandSkin::Style::robot) {
        QPainterPath rivets;
        for (const QPointF corner : {QPointF(32, 60), QPointF(76, 96), QPointF(46, 62),
                                     QPointF(35, 114), QPointF(72, 114)})
            rivets.addEllipse(QRectF(corner, QSizeF(4, 4)));
        p.fillPath(rivets, color(skin.outline.withAlpha(0.75)));
        QPainterPath plate;
        plate.moveTo(38, 37);
        plate.lineTo(58, 37);
        p.strokePath(plate, pen(skin.outline.withAlpha(0.6), 1.4));
    }

    if (skin.gloss) {
        QPainterPath shine = HandParts::capsule({43, 13}, {43, 38}, 4.5);
        shine.addPath(HandParts::capsule({33, 62}, {33, 78}, 4));
        shine.setFillRule(Qt::WindingFill);
        p.fillPath(shine, QColor::fromRgbF(1, 1, 1, 0.5f));
    }
}
} // namespace

QImage context(QSizeF pixels) {
    QImage bitmap(boundedSide(pixels.width()), boundedSide(pixels.height()),
                  QImage::Format_ARGB32_Premultiplied);
    bitmap.fill(Qt::transparent);
    return bitmap;
}

void fill(QPainter& painter, const QPainterPath& path, const std::vector<Rgba>& colors) {
    painter.save();
    if (colors.empty()) {
        painter.fillPath(path, Qt::white);
    } else if (colors.size() == 1) {
        painter.fillPath(path, color(colors.front()));
    } else {
        const QRectF box = path.controlPointRect();
        QLinearGradient gradient(box.topLeft(), box.bottomRight());
        gradient.setSpread(QGradient::PadSpread);
        const double last = double(colors.size() - 1);
        for (size_t i = 0; i < colors.size(); ++i)
            gradient.setColorAt(i / last, color(colors[i]));
        painter.fillPath(path, gradient);
    }
    painter.restore();
}

QImage draw(const HandSkin& skin, QSizeF total, QSizeF pixels, bool smooth) {
    QImage bitmap = context(pixels);
    if (!(total.width() > 0 && total.height() > 0)) return bitmap;

    QTransform toBitmap;
    toBitmap.scale(bitmap.width() / total.width(), bitmap.height() / total.height());
    toBitmap.translate(10, 10);

    const HandParts parts;
    const QPainterPath palm = parts.palm();
    const QPainterPath hand = parts.hand(skin.cuff.has_value(), palm);
    paintOutlineBody(bitmap, toBitmap, hand, skin, smooth);

    QPainter p(&bitmap);
    p.setRenderHint(QPainter::Antialiasing, smooth);
    p.setTransform(toBitmap);
    paintHand(p, skin, parts, palm, hand);
    return bitmap;
}

HandSprite render(const HandSkin& skin, double height, double scale) {
    const double k = height / 132;
    const QSizeF size(120 * k, 152 * k);
    const QSizeF total(120, 152);
    const QSizeF pixels = fitted(size * scale);

    QImage image;
    if (skin.style == HandSkin::Style::pixel) {
        // Always the same 41 × 52 blocks, enlarged without smoothing.
        const QImage small = draw(skin, total, total * 0.34, false);
        image = context(pixels);
        QPainter p(&image);
        p.setRenderHint(QPainter::SmoothPixmapTransform, false);
        p.drawImage(QRectF(image.rect()), small);
    } else {
        image = draw(skin, total, pixels, true);
    }
    image.setDevicePixelRatio(std::isfinite(scale) && scale > 0 ? scale : 1);
    return HandSprite{image, size, QPointF(58 * k, 14 * k), QPointF(65 * k, 139 * k),
                      color(skin.stick)};
}

QString cacheKey(const QString& id, double height, double scale) {
    return id + u'-' + shortestDecimal(height) + u'-' + shortestDecimal(scale);
}

} // namespace HandPainter
