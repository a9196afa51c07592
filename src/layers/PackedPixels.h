#pragma once
// Premultiplied ARGB32 pixels blended with integer arithmetic, two channels
// per multiply, for layers that write the picture's pixels themselves.

#include <QColor>
#include <QTransform>
#include <algorithm>
#include <cmath>

namespace PackedPixels {
// `pixel` times a 0-255 weight.
inline uint scaled(uint pixel, uint weight) {
    uint rb = (pixel & 0xff00ff) * weight;
    rb = ((rb + ((rb >> 8) & 0xff00ff) + 0x800080) >> 8) & 0xff00ff;
    uint ag = ((pixel >> 8) & 0xff00ff) * weight;
    ag = (ag + ((ag >> 8) & 0xff00ff) + 0x800080) & 0xff00ff00;
    return ag | rb;
}

inline uint mixed(uint a, uint b, uint weightOfB) {
    return scaled(a, 255 - weightOfB) + scaled(b, weightOfB);
}

// `color` (premultiplied) painted over `pixel`.
inline uint over(uint pixel, uint color) {
    return color + scaled(pixel, 255 - (color >> 24));
}

inline uint weight(double coverage) {
    return uint(std::clamp(coverage, 0.0, 1.0) * 255.0 + 0.5);
}

inline uint premultiplied(const QColor& c, double opacity) {
    if (!c.isValid()) return 0;
    const uint alpha = weight(c.alphaF() * opacity);
    return (scaled(c.rgba(), alpha) & 0x00ffffff) | (alpha << 24);
}

// Whether `t` keeps shapes (turns, flips, one scale for both axes), so that
// distances measured in device pixels are distances in the shape, scaled.
inline bool keepsShapes(const QTransform& t) {
    if (t.type() > QTransform::TxRotate) return false;
    const double x = t.m11() * t.m11() + t.m12() * t.m12();
    const double y = t.m21() * t.m21() + t.m22() * t.m22();
    const double skew = t.m11() * t.m21() + t.m12() * t.m22();
    return x > 0 && std::abs(x - y) < 1e-9 * x && std::abs(skew) < 1e-9 * x;
}
} // namespace PackedPixels
