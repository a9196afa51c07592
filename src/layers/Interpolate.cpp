#include "layers/Interpolate.h"

#include <QColor>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <algorithm>
#include <cmath>

namespace {
double mix(double a, double b, double t) {
    return a + (b - a) * t;
}

QColor mixColors(QColor a, QColor b, double t) {
    // "No colour" blends as the other colour made transparent.
    if (!a.isValid()) a = QColor::fromRgbF(b.redF(), b.greenF(), b.blueF(), 0);
    if (!b.isValid()) b = QColor::fromRgbF(a.redF(), a.greenF(), a.blueF(), 0);
    auto channel = [t](float x, float y) { return float(std::clamp(mix(x, y, t), 0.0, 1.0)); };
    return QColor::fromRgbF(channel(a.redF(), b.redF()), channel(a.greenF(), b.greenF()),
                            channel(a.blueF(), b.blueF()), channel(a.alphaF(), b.alphaF()));
}

QVariant mixPaths(const QPainterPath& a, const QPainterPath& b, double t) {
    if (a.elementCount() != b.elementCount()) return QVariant::fromValue(t >= 1.0 ? b : a);
    QPainterPath out = a;
    for (int i = 0; i < a.elementCount(); ++i) {
        const auto ea = a.elementAt(i);
        const auto eb = b.elementAt(i);
        if (ea.type != eb.type) return QVariant::fromValue(t >= 1.0 ? b : a);
        out.setElementPositionAt(i, mix(ea.x, eb.x, t), mix(ea.y, eb.y, t));
    }
    out.setFillRule(b.fillRule());
    return QVariant::fromValue(out);
}

bool isNumber(const QVariant& v) {
    switch (v.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
        return true;
    default:
        return false;
    }
}
} // namespace

TransformParts TransformParts::of(const QTransform& m) {
    TransformParts parts;
    parts.scaleX = std::hypot(m.m11(), m.m12());
    parts.rotation = std::atan2(m.m12(), m.m11());
    const double det = m.m11() * m.m22() - m.m12() * m.m21();
    parts.scaleY = parts.scaleX > 0 ? det / parts.scaleX : std::hypot(m.m21(), m.m22());
    parts.translateX = m.dx();
    parts.translateY = m.dy();
    return parts;
}

QTransform TransformParts::toTransform() const {
    const double c = std::cos(rotation), s = std::sin(rotation);
    // Scale first, then rotate (Qt maps row vectors: p * S * R).
    return QTransform(scaleX * c, scaleX * s, -scaleY * s, scaleY * c, translateX, translateY);
}

QVariant interpolate(const QVariant& a, const QVariant& b, double t) {
    if (isNumber(a) && isNumber(b)) return mix(a.toDouble(), b.toDouble(), t);
    if (a.typeId() != b.typeId()) return QVariant::fromValue(t >= 1.0 ? b : a);
    switch (a.typeId()) {
    case QMetaType::QPointF: {
        const QPointF p = a.toPointF(), q = b.toPointF();
        return QPointF(mix(p.x(), q.x(), t), mix(p.y(), q.y(), t));
    }
    case QMetaType::QRectF: {
        const QRectF p = a.toRectF(), q = b.toRectF();
        return QRectF(mix(p.x(), q.x(), t), mix(p.y(), q.y(), t), mix(p.width(), q.width(), t),
                      mix(p.height(), q.height(), t));
    }
    case QMetaType::QColor:
        return mixColors(a.value<QColor>(), b.value<QColor>(), t);
    case QMetaType::QTransform: {
        const auto p = TransformParts::of(a.value<QTransform>());
        const auto q = TransformParts::of(b.value<QTransform>());
        TransformParts r;
        r.scaleX = mix(p.scaleX, q.scaleX, t);
        r.scaleY = mix(p.scaleY, q.scaleY, t);
        r.rotation = mix(p.rotation, q.rotation, t);
        r.translateX = mix(p.translateX, q.translateX, t);
        r.translateY = mix(p.translateY, q.translateY, t);
        return r.toTransform();
    }
    default:
        if (a.metaType() == QMetaType::fromType<QPainterPath>())
            return mixPaths(a.value<QPainterPath>(), b.value<QPainterPath>(), t);
        return QVariant::fromValue(t >= 1.0 ? b : a);
    }
}
