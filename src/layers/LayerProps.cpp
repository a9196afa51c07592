#include "layers/LayerProps.h"

#include "layers/Interpolate.h"

#include <cmath>

namespace {
template <typename T> bool take(const QVariant& v, T& out) {
    if (!v.canConvert<T>()) return false;
    out = v.value<T>();
    return true;
}

bool takeNumber(const QVariant& v, double& out) {
    bool ok = false;
    const double d = v.toDouble(&ok);
    if (!ok || !std::isfinite(d)) return false;
    out = d;
    return true;
}
} // namespace

QVariant LayerProps::read(const QString& key) const {
    if (key == "opacity") return opacity;
    if (key == "position") return position;
    if (key == "bounds") return bounds;
    if (key == "anchorPoint") return anchorPoint;
    if (key == "transform") return QVariant::fromValue(transform);
    if (key == "transform.scale") {
        const auto parts = TransformParts::of(transform);
        return (parts.scaleX + parts.scaleY) / 2;
    }
    if (key == "backgroundColor") return backgroundColor;
    if (key == "borderColor") return borderColor;
    if (key == "borderWidth") return borderWidth;
    if (key == "cornerRadius") return cornerRadius;
    if (key == "shadowColor") return shadowColor;
    if (key == "shadowOpacity") return shadowOpacity;
    if (key == "shadowRadius") return shadowRadius;
    if (key == "shadowOffset") return shadowOffset;
    return {};
}

bool LayerProps::write(const QString& key, const QVariant& v) {
    if (key == "opacity") return takeNumber(v, opacity);
    if (key == "position") return take(v, position);
    if (key == "bounds") return take(v, bounds);
    if (key == "anchorPoint") return take(v, anchorPoint);
    if (key == "transform") return take(v, transform);
    if (key == "transform.scale") {
        auto parts = TransformParts::of(transform);
        if (!takeNumber(v, parts.scaleX)) return false;
        parts.scaleY = parts.scaleX;
        transform = parts.toTransform();
        return true;
    }
    if (key == "backgroundColor") return take(v, backgroundColor);
    if (key == "borderColor") return take(v, borderColor);
    if (key == "borderWidth") return takeNumber(v, borderWidth);
    if (key == "cornerRadius") return takeNumber(v, cornerRadius);
    if (key == "shadowColor") return take(v, shadowColor);
    if (key == "shadowOpacity") return takeNumber(v, shadowOpacity);
    if (key == "shadowRadius") return takeNumber(v, shadowRadius);
    if (key == "shadowOffset") return take(v, shadowOffset);
    return false;
}

QPointF LayerProps::anchorInBounds() const {
    return {bounds.x() + anchorPoint.x() * bounds.width(),
            bounds.y() + anchorPoint.y() * bounds.height()};
}

QTransform LayerProps::toSuperlayer() const {
    const QPointF a = anchorInBounds();
    // Move the anchor to the origin, turn about it, then place it.
    if (transform.isIdentity())
        return QTransform::fromTranslate(position.x() - a.x(), position.y() - a.y());
    return QTransform::fromTranslate(-a.x(), -a.y()) * transform *
           QTransform::fromTranslate(position.x(), position.y());
}
