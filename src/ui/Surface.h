#pragma once
// The frosted look the toolbar and its pop-over share: a mostly opaque fill
// of the window colour with a dark outer and a light inner hairline, so the
// edge holds on light and on dark content alike, and a soft drop shadow.

#include <QImage>
#include <QPainterPath>
#include <QPalette>
#include <functional>

class QPainter;

namespace Surface {
// `color` at `alpha` opacity: the washes and rings drawn over the surface.
inline QColor withAlpha(QColor color, double alpha) {
    color.setAlphaF(float(alpha));
    return color;
}

// Room around a surface for its shadow (blur plus drop), in points.
constexpr int kShadowMargin = 14;

// The surface's outline shrunk by `inset` points; inset 0 is its true edge.
using Outline = std::function<QPainterPath(double inset)>;

void paint(QPainter& painter, const Outline& outline, const QPalette& palette, double fillAlpha);
// The shadow of the outline, drawn into a `size`-point canvas at `ratio`
// pixels a point, for painting at the canvas origin.
QImage shadow(const QPainterPath& outline, QSize size, double ratio);
} // namespace Surface
