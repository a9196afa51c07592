#include "devtools/AppIcon.h"
#include "handart/HandPainter.h"
#include "handart/HandParts.h"
#include "handart/HandSkin.h"

#include <QBuffer>
#include <QPainter>
#include <QPainterPathStroker>
#include <QSvgGenerator>
#include <algorithm>

namespace AppIcon {
namespace {
// The sprite box the painter draws into, in hand units, and where the hand
// sits in it (the painter shifts hand coordinates by this much).
constexpr double boxWidth = 120, boxHeight = 152, boxShift = 10;
constexpr double lean = -28;     // degrees; the fingertip points up and to the left
constexpr double outline = 4.2;  // how far the painter's outline grows the hand
constexpr double margin = 0.03;  // of the side, kept clear all round
constexpr int supersampling = 4; // small icons are drawn large, then reduced

// The stick from inside the wrist downward, along the finger's line.
QPainterPath stick() {
    return HandParts::roundedRect(50, 110, 10, 62, 5);
}

// Hand units to icon pixels: the leaning hand and stick, centred and as large
// as the square allows.
QTransform placement(double side) {
    QTransform leaning;
    leaning.rotate(lean);
    const HandParts parts;
    QPainterPath all = parts.hand(true);
    all.addPath(stick());
    const QRectF bounds =
        leaning.map(all).boundingRect().adjusted(-outline, -outline, outline, outline);
    const double scale = side * (1 - 2 * margin) / std::max(bounds.width(), bounds.height());
    QTransform result;
    result.translate(side / 2, side / 2);
    result.scale(scale, scale);
    result.translate(-bounds.center().x(), -bounds.center().y());
    return leaning * result;
}

void paintStick(QPainter& p) {
    const QColor wood = HandSkin::wood.toColor();
    p.setPen(QPen(wood.darker(180), 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(wood);
    p.drawPath(stick());
}

// The hand in flat vector shapes: outline, palm, creases, thumb, cuff.
void paintVectorHand(QPainter& p, const HandSkin& skin) {
    const HandParts parts;
    const QPainterPath palm = parts.palm();
    const QPainterPath hand = parts.hand(true, palm);
    const QColor line = skin.outline.toColor();
    QPainterPathStroker grow;
    grow.setWidth(2 * outline);
    grow.setJoinStyle(Qt::RoundJoin);
    p.fillPath(HandParts::united({&hand}).united(grow.createStroke(hand)), line);

    HandPainter::fill(p, palm, skin.fill);
    // Knuckle lines and creases end at the palm's edge; intersecting the
    // strokes keeps that without clipping, which SVG viewers handle unevenly.
    QPainterPathStroker thin;
    thin.setWidth(2.4);
    thin.setCapStyle(Qt::RoundCap);
    QPainterPath lines;
    for (const QPainterPath& knuckle : parts.knuckles)
        lines.addPath(thin.createStroke(knuckle));
    QPainterPath creases;
    creases.moveTo(42, 47);
    creases.quadTo(48, 50, 54, 47);
    creases.moveTo(43, 27);
    creases.quadTo(48, 29.5, 53, 27);
    thin.setWidth(1.92);
    lines.addPath(thin.createStroke(creases));
    lines.setFillRule(Qt::WindingFill);
    p.fillPath(lines.intersected(palm), line);

    const QPen edge(line, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    HandPainter::fill(p, parts.thumb, skin.fill);
    p.strokePath(parts.thumb, edge);
    HandPainter::fill(p, parts.cuff, skin.cuff.value_or(skin.fill));
    p.strokePath(parts.cuff, edge);
    QPainterPath seam;
    seam.moveTo(35, 112);
    seam.lineTo(76, 112);
    p.strokePath(seam, QPen(skin.outline.withAlpha(0.45).toColor(), 1.6));
    if (skin.gloss) {
        QPainterPath shine = HandParts::capsule({43, 13}, {43, 38}, 4.5);
        shine.addPath(HandParts::capsule({33, 62}, {33, 78}, 4));
        p.fillPath(shine, QColor::fromRgbF(1, 1, 1, 0.5f));
    }
}
} // namespace

QImage render(int side) {
    const int large = side * supersampling;
    const QTransform toIcon = placement(large);
    QImage icon(large, large, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setTransform(toIcon);
    paintStick(p);
    // The painter's sprite covers its whole box; map that box back into place.
    const double scale = toIcon.map(QLineF(0, 0, 1, 0)).length();
    const QImage sprite = HandPainter::draw(HandSkin::classic(), QSizeF(boxWidth, boxHeight),
                                            QSizeF(boxWidth, boxHeight) * scale, true);
    p.drawImage(QRectF(-boxShift, -boxShift, boxWidth, boxHeight), sprite);
    p.end();
    return icon.scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QByteArray svg(int side) {
    QBuffer out;
    QSvgGenerator generator;
    generator.setOutputDevice(&out);
    generator.setSize(QSize(side, side));
    generator.setViewBox(QRect(0, 0, side, side));
    generator.setTitle(QStringLiteral("Handwick"));
    QPainter p(&generator);
    p.setRenderHint(QPainter::Antialiasing);
    p.setTransform(placement(side));
    paintStick(p);
    paintVectorHand(p, HandSkin::classic());
    p.end();
    return out.data();
}
} // namespace AppIcon
