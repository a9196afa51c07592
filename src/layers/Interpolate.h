#pragma once
#include <QTransform>
#include <QVariant>

// Values between two animation values. `t` may leave 0..1 (a spring
// overshoots); colours are clamped. Values of kinds that cannot be blended,
// or paths of different shape, switch from `a` to `b` at t = 1.
QVariant interpolate(const QVariant& a, const QVariant& b, double t);

// An affine transform as scale, then rotation, then translation (shear is
// dropped), which is how transforms animate and how "transform.scale"
// addresses their scale.
struct TransformParts {
    double scaleX = 1.0;
    double scaleY = 1.0;
    double rotation = 0.0; // radians, counter-clockwise with y up
    double translateX = 0.0;
    double translateY = 0.0;

    static TransformParts of(const QTransform& transform);
    QTransform toTransform() const;
};
