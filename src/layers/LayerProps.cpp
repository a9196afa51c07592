#include "layers/LayerProps.h"

#include "layers/Interpolate.h"

#include <QSizeF>
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

// "transform.scale", "transform.rotation" and friends address parts of the
// transform, the others replace it.
QVariant readTransformPart(const QTransform& m, const QString& part) {
    const auto p = TransformParts::of(m);
    if (part == "scale") return (p.scaleX + p.scaleY) / 2;
    if (part == "scale.x") return p.scaleX;
    if (part == "scale.y") return p.scaleY;
    if (part == "rotation" || part == "rotation.z") return p.rotation;
    if (part == "translation") return QPointF(p.translateX, p.translateY);
    if (part == "translation.x") return p.translateX;
    if (part == "translation.y") return p.translateY;
    return {};
}

bool writeTransformPart(QTransform& m, const QString& part, const QVariant& v) {
    auto p = TransformParts::of(m);
    if (part == "translation") {
        if (!v.canConvert<QPointF>()) return false;
        const QPointF t = v.toPointF();
        p.translateX = t.x();
        p.translateY = t.y();
    } else {
        double d = 0;
        if (!takeNumber(v, d)) return false;
        if (part == "scale")
            p.scaleX = p.scaleY = d;
        else if (part == "scale.x")
            p.scaleX = d;
        else if (part == "scale.y")
            p.scaleY = d;
        else if (part == "rotation" || part == "rotation.z")
            p.rotation = d;
        else if (part == "translation.x")
            p.translateX = d;
        else if (part == "translation.y")
            p.translateY = d;
        else
            return false;
    }
    m = p.toTransform();
    return true;
}
} // namespace

QVariant LayerProps::read(const QString& key) const {
    if (key == "opacity") return opacity;
    if (key == "position") return position;
    if (key == "position.x") return position.x();
    if (key == "position.y") return position.y();
    if (key == "bounds") return bounds;
    if (key == "bounds.size") return bounds.size();
    if (key == "anchorPoint") return anchorPoint;
    if (key == "transform") return QVariant::fromValue(transform);
    if (key.startsWith("transform.")) return readTransformPart(transform, key.mid(10));
    if (key == "hidden") return hidden;
    if (key == "backgroundColor") return backgroundColor;
    if (key == "borderColor") return borderColor;
    if (key == "borderWidth") return borderWidth;
    if (key == "cornerRadius") return cornerRadius;
    if (key == "shadowColor") return shadowColor;
    if (key == "shadowOpacity") return shadowOpacity;
    if (key == "shadowRadius") return shadowRadius;
    if (key == "shadowOffset") return shadowOffset;
    if (key == "contents") return contents;
    if (key == "contentsScale") return contentsScale;
    if (key == "masksToBounds") return masksToBounds;
    return {};
}

bool LayerProps::write(const QString& key, const QVariant& v) {
    if (key == "opacity") return takeNumber(v, opacity);
    if (key == "position") return take(v, position);
    if (key == "position.x" || key == "position.y") {
        double d = 0;
        if (!takeNumber(v, d)) return false;
        (key.endsWith('x') ? position.rx() : position.ry()) = d;
        return true;
    }
    if (key == "bounds") return take(v, bounds);
    if (key == "bounds.size") {
        if (!v.canConvert<QSizeF>()) return false;
        bounds.setSize(v.toSizeF());
        return true;
    }
    if (key == "anchorPoint") return take(v, anchorPoint);
    if (key == "transform") return take(v, transform);
    if (key.startsWith("transform.")) return writeTransformPart(transform, key.mid(10), v);
    if (key == "hidden") return take(v, hidden);
    if (key == "backgroundColor") return take(v, backgroundColor);
    if (key == "borderColor") return take(v, borderColor);
    if (key == "borderWidth") return takeNumber(v, borderWidth);
    if (key == "cornerRadius") return takeNumber(v, cornerRadius);
    if (key == "shadowColor") return take(v, shadowColor);
    if (key == "shadowOpacity") return takeNumber(v, shadowOpacity);
    if (key == "shadowRadius") return takeNumber(v, shadowRadius);
    if (key == "shadowOffset") return take(v, shadowOffset);
    if (key == "contents") return take(v, contents);
    if (key == "contentsScale") return takeNumber(v, contentsScale);
    if (key == "masksToBounds") return take(v, masksToBounds);
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
