#pragma once
#include "prefs/Tool.h"

#include <QPainterPath>
#include <QPointF>
#include <vector>

namespace Ink {
// The outline of one stroke from the gesture's points (first: where the button
// went down, last: the latest pointer position), in the overlay's coordinates.
// `straight` draws pen-like tools as one segment; `penWidth` is the stored
// width, made safe here.
QPainterPath path(Tool tool, const std::vector<QPointF>& points, bool straight, double penWidth);
} // namespace Ink
