#include "overlay/Ink.h"

#include "layers/Animation.h"
#include "layers/TextLayer.h"

#include <QFont>

#include <QRectF>
#include <algorithm>
#include <cmath>
#include <limits>

namespace {
constexpr double boxCorner = 8.0;
constexpr double headHalfAngle = 0.45;

QPainterPath arrow(QPointF p0, QPointF pn, double width) {
    const double a = std::atan2(pn.y() - p0.y(), pn.x() - p0.x());
    const double h = width * 3.6 + 8.0;
    QPainterPath path;
    // The shaft stops inside the head so its round cap never pokes past the tip.
    path.moveTo(p0);
    path.lineTo(pn.x() - h * 0.8 * std::cos(a), pn.y() - h * 0.8 * std::sin(a));
    path.moveTo(pn);
    path.lineTo(pn.x() - h * std::cos(a - headHalfAngle), pn.y() - h * std::sin(a - headHalfAngle));
    path.lineTo(pn.x() - h * std::cos(a + headHalfAngle), pn.y() - h * std::sin(a + headHalfAngle));
    path.closeSubpath();
    return path;
}

QPainterPath box(QPointF p0, QPointF pn) {
    const QRectF rect(QPointF(std::min(p0.x(), pn.x()), std::min(p0.y(), pn.y())),
                      QSizeF(std::abs(pn.x() - p0.x()), std::abs(pn.y() - p0.y())));
    QPainterPath path;
    // Qt shrinks the corners of a box smaller than two corners, as it should.
    path.addRoundedRect(rect, boxCorner, boxCorner, Qt::AbsoluteSize);
    return path;
}

// Ends a stroke's curves with a line to the latest point.
void finish(QPainterPath& path, QPointF p0, QPointF pn) {
    path.lineTo(pn);
    // Qt drops a segment that goes nowhere (a click-sized stroke, or a straight
    // one that came back to its start), which would leave the round caps nothing
    // to draw. A thousandth of a point keeps it a visible dot of the pen width.
    if (path.elementCount() < 2) path.lineTo(p0.x() + 1e-3, p0.y());
}

QPainterPath stroke(const std::vector<QPointF>& points, bool straight) {
    const QPointF& p0 = points.front();
    QPainterPath path;
    // Each curve takes three elements; reserving them keeps long strokes linear.
    path.reserve(int(std::min<std::size_t>(3 * points.size(), std::numeric_limits<int>::max())));
    path.moveTo(p0);
    if (!straight && points.size() >= 3) {
        for (std::size_t i = 1; i + 1 < points.size(); ++i)
            path.quadTo(points[i], (points[i] + points[i + 1]) / 2.0);
    }
    finish(path, p0, points.back());
    return path;
}
} // namespace

namespace Ink {

std::shared_ptr<ShapeLayer> layer(Tool tool, InkColor color, double w) {
    const QColor c = ns(color);
    auto stroke = ShapeLayer::make();
    stroke->setLineCap(Qt::RoundCap);
    stroke->setLineJoin(Qt::RoundJoin);
    stroke->disableImplicitAnimations({QStringLiteral("path"), QStringLiteral("opacity")});
    stroke->setFillColor(QColor()); // none
    stroke->setStrokeColor(c);
    stroke->setLineWidth(w);
    stroke->setShadowOpacity(0.25);
    switch (tool) {
    case Tool::arrow:
        stroke->setFillColor(c); // the head is a filled triangle
        stroke->setLineWidth(w + 1.0);
        break;
    case Tool::highlighter: {
        QColor translucent = c;
        translucent.setAlphaF(0.38f);
        stroke->setStrokeColor(translucent);
        stroke->setLineWidth(w * 4.4);
        stroke->setLineCap(Qt::FlatCap);
        stroke->setShadowOpacity(0);
        break;
    }
    case Tool::pen:
    case Tool::box:
    case Tool::steps:
        break;
    }
    stroke->setShadowColor(Qt::black);
    stroke->setShadowRadius(2.0);
    stroke->setShadowOffset({0, -1.0});
    return stroke;
}

QPainterPath path(Tool tool, const std::vector<QPointF>& points, bool straight, double penWidth) {
    if (points.empty()) return {};
    switch (tool) {
    case Tool::arrow:
        return arrow(points.front(), points.back(), penWidth);
    case Tool::box:
        return box(points.front(), points.back());
    case Tool::pen:
    case Tool::highlighter:
    case Tool::steps:
        return stroke(points, straight);
    }
    return {};
}

StrokeBuilder::StrokeBuilder(QPointF first) : m_first(first), m_last(first) {
    m_curves.moveTo(first);
}

int StrokeBuilder::add(QPointF point, bool straight) {
    // The curve through the point before now ends halfway to this one; the
    // curves before it stay as they are.
    const int kept = m_curves.elementCount();
    if (m_count >= 2) m_curves.quadTo(m_last, (m_last + point) / 2.0);
    m_last = point;
    ++m_count;
    const bool wasStraight = m_straight;
    m_straight = straight || m_count < 3;
    if (m_straight) {
        m_path = QPainterPath();
        m_path.moveTo(m_first);
        finish(m_path, m_first, point);
        return wasStraight && m_path.elementCount() > 1 ? 1 : 0;
    }
    m_path = m_curves;
    finish(m_path, m_first, point);
    return wasStraight ? 0 : kept;
}

LayerPtr step(int number, QPointF centre, InkColor color, double scale) {
    auto badge = Layer::make();
    badge->setValue(QStringLiteral("step"), number);
    badge->setBounds({0, 0, stepDiameter, stepDiameter});
    badge->setPosition(centre);
    badge->setCornerRadius(stepDiameter / 2);
    badge->setBackgroundColor(ns(color));
    badge->setBorderColor(Qt::white);
    badge->setBorderWidth(3.0);
    badge->setShadowOpacity(0.3);
    badge->setShadowRadius(3.0);
    badge->setShadowOffset({0, -1.5});

    auto digits = TextLayer::make();
    digits->setString(QString::number(number));
    QFont font;
    font.setWeight(QFont::ExtraBold); // heavy digits read at a glance
    digits->setFont(font);
    digits->setFontSize(17);
    digits->setAlignment(Qt::AlignHCenter);
    // Dark digits where white would vanish on the light colours.
    const bool light = color == InkColor::sun || color == InkColor::lime;
    digits->setForegroundColor(light ? Qt::black : Qt::white);
    digits->setContentsScale(scale);
    digits->setFrame({0, 6, stepDiameter, 22});
    badge->addSublayer(digits);

    SpringAnimation pop(QStringLiteral("transform.scale"), 0.3, 1.0);
    pop.damping = 11;
    badge->addAnimation(pop, QStringLiteral("pop"));
    return badge;
}

} // namespace Ink
