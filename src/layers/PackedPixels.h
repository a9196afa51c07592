#pragma once
// Premultiplied ARGB32 pixels blended with integer arithmetic, two channels
// per multiply, for layers that write the picture's pixels themselves.

#include <QColor>
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
} // namespace PackedPixels
