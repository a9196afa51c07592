#pragma once
// Small measures of paths that damage, caching and painting share.
#include <QPainterPath>
#include <QPen>
#include <QPointF>
#include <QRectF>

namespace PathBounds {
// Element `i` of `path` as a point.
QPointF pointAt(const QPainterPath& path, int i);
// The box of elements `first` to `last` (a single point gives an empty box
// at that point, where QRectF::united would drop it); null when none.
QRectF pointsBox(const QPainterPath& path, int first, int last);
// How far a stroke drawn with `pen` can reach beyond its path: half its width,
// or the whole miter, or the corner of a square cap.
double penReach(const QPen& pen);
} // namespace PathBounds
