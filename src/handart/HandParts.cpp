#include "handart/HandParts.h"

#include <QTransform>
#include <cmath>

namespace {
// Qt's path union flattens curves with a tolerance relative to the path's own
// units; working 8× larger keeps the corners smooth even on big sprites.
constexpr double unionPrecision = 8;
} // namespace

HandParts::HandParts()
    : finger(roundedRect(37, 4, 22, 72, 11)),
      fist(roundedRect(26, 50, 60, 62, 19)), knuckles{roundedRect(57, 45, 16, 22, 8),
                                                      roundedRect(70, 50, 14, 21, 7),
                                                      roundedRect(80, 57, 11, 19, 5.5)},
      thumb(capsule({27, 96}, {60, 82}, 19)), cuff(roundedRect(31, 104, 49, 25, 7)),
      wrist(roundedRect(35, 100, 41, 29, 6)) {}

QPainterPath HandParts::roundedRect(double x, double y, double width, double height,
                                    double radius) {
    QPainterPath path;
    path.addRoundedRect(QRectF(x, y, width, height), radius, radius);
    return path;
}

QPainterPath HandParts::capsule(QPointF from, QPointF to, double width) {
    const QPointF along = to - from;
    const double length = std::hypot(along.x(), along.y());
    QTransform placement;
    placement.translate(from.x(), from.y());
    placement.rotateRadians(std::atan2(along.y(), along.x()));
    return placement.map(roundedRect(0, -width / 2, length, width, width / 2));
}

QPainterPath HandParts::united(std::initializer_list<const QPainterPath*> shapes) {
    const QTransform up = QTransform::fromScale(unionPrecision, unionPrecision);
    QPainterPath result;
    result.setFillRule(Qt::WindingFill);
    for (const QPainterPath* shape : shapes) {
        QPainterPath scaled = up.map(*shape);
        scaled.setFillRule(Qt::WindingFill);
        result = result.isEmpty() ? scaled : result.united(scaled);
    }
    result = up.inverted().map(result);
    result.setFillRule(Qt::WindingFill);
    return result;
}

QPainterPath HandParts::palm() const {
    return united({&finger, &fist, &knuckles[0], &knuckles[1], &knuckles[2]});
}

QPainterPath HandParts::hand(bool cuffed, const QPainterPath& palm) const {
    return united({&palm, &thumb, cuffed ? &cuff : &wrist});
}
