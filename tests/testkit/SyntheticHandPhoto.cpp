#include "SyntheticHandPhoto.h"

#include <QBuffer>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <cmath>

namespace SyntheticHandPhoto {
namespace {
const QColor skin(224, 172, 140), background(236, 233, 228);

QPainterPath capsule(QPointF from, QPointF to, double width) {
    const QLineF line(from, to);
    QPainterPath path;
    path.addRoundedRect(QRectF(-width / 2, -width / 2, line.length() + width, width), width / 2,
                        width / 2);
    QTransform place;
    place.translate(from.x(), from.y());
    place.rotate(-line.angle());
    return place.map(path);
}

// A fist with the index finger up and the thumb along its side, in pixels of
// a picture `h` pixels high, centred on `cx`.
QPainterPath handShape(double cx, double h, QPointF& tip) {
    QPainterPath hand;
    hand.addRoundedRect(QRectF(cx - 0.11 * h, 0.74 * h, 0.22 * h, 0.3 * h), 0.04 * h, 0.04 * h);
    QPainterPath palm;
    palm.addRoundedRect(QRectF(cx - 0.15 * h, 0.44 * h, 0.3 * h, 0.36 * h), 0.07 * h, 0.07 * h);
    hand = hand.united(palm);
    const double fingerX = cx - 0.07 * h, fingerWidth = 0.085 * h;
    hand = hand.united(
        capsule({fingerX, 0.08 * h + fingerWidth / 2}, {fingerX, 0.5 * h}, fingerWidth));
    hand = hand.united(capsule({cx - 0.13 * h, 0.66 * h}, {cx - 0.21 * h, 0.5 * h}, 0.08 * h));
    for (int i = 0; i < 3; ++i) {
        QPainterPath knuckle;
        knuckle.addEllipse(QPointF(cx + 0.01 * h + i * 0.065 * h, 0.46 * h), 0.04 * h, 0.045 * h);
        hand = hand.united(knuckle);
    }
    tip = QPointF(fingerX, 0.08 * h);
    return hand;
}

void paintBackdrop(QPainter& painter, const Options& o) {
    const QRectF all(QPointF(), QSizeF(o.size));
    if (o.backdrop == Backdrop::plain) {
        painter.fillRect(all, background);
        return;
    }
    // A lamp above-left: bright there, noticeably darker in the far corner.
    QRadialGradient light(QPointF(0.2 * all.width(), -0.1 * all.height()), all.width() * 1.2);
    light.setColorAt(0, background.lighter(108));
    light.setColorAt(1, background.darker(135));
    painter.fillRect(all, light);
}

void addNoise(QImage& image, double sigma) {
    QRandomGenerator random(1);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const auto jitter = [&](int c) {
                const double u1 = std::max(1e-12, random.generateDouble());
                const double g =
                    std::sqrt(-2 * std::log(u1)) * std::cos(6.2831853 * random.generateDouble());
                return std::clamp(int(std::lround(c + g * sigma)), 0, 255);
            };
            line[x] = qRgb(jitter(qRed(line[x])), jitter(qGreen(line[x])), jitter(qBlue(line[x])));
        }
    }
}

// Camera grain (standard deviation per channel), then JPEG at `jpegQuality` when 0…100.
void roughen(QImage& photo, double noise, int jpegQuality) {
    if (noise > 0) addNoise(photo, noise);
    if (jpegQuality < 0) return;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    photo.save(&buffer, "JPEG", jpegQuality);
    photo = QImage::fromData(bytes, "JPEG").convertToFormat(QImage::Format_RGB32);
}
} // namespace

Photo make(const Options& o) {
    Photo result;
    const double h = o.size.height();
    const QPainterPath hand = handShape(0.5 * o.size.width(), h, result.tip);
    result.hand = hand.boundingRect() & QRectF(QPointF(), QSizeF(o.size));

    result.photo = QImage(o.size, QImage::Format_RGB32);
    QPainter painter(&result.photo);
    painter.setRenderHint(QPainter::Antialiasing);
    paintBackdrop(painter, o);
    if (o.castShadow) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0, 0, 0, 40));
        painter.drawPath(hand.translated(0.03 * h, 0.02 * h));
    }
    QLinearGradient shade(result.hand.topLeft(), result.hand.bottomRight());
    shade.setColorAt(0, skin.lighter(112));
    shade.setColorAt(1, skin.darker(115));
    painter.setBrush(shade);
    painter.setPen(QPen(skin.darker(130), std::max(1.0, h / 300)));
    painter.drawPath(hand);
    painter.end();

    roughen(result.photo, o.noise, o.jpegQuality);

    result.mask = QImage(o.size, QImage::Format_Grayscale8);
    result.mask.fill(0);
    QPainter masker(&result.mask);
    masker.setRenderHint(QPainter::Antialiasing);
    masker.fillPath(hand, Qt::white);
    return result;
}

double overlapWithCutOut(const QImage& cutOut, const Photo& photo) {
    const QImage rgba = cutOut.convertToFormat(QImage::Format_RGBA8888);
    const QImage mask = photo.mask.copy(photo.hand.toAlignedRect())
                            .scaled(rgba.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    qint64 both = 0, either = 0;
    for (int y = 0; y < rgba.height(); ++y)
        for (int x = 0; x < rgba.width(); ++x) {
            const bool cut = rgba.constScanLine(y)[4 * x + 3] >= 128;
            const bool hand = mask.constScanLine(y)[x] >= 128;
            both += cut && hand;
            either += cut || hand;
        }
    return either ? double(both) / double(either) : 1.0;
}
} // namespace SyntheticHandPhoto
