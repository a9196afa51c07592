#pragma once
#include "layers/Layer.h"
#include "layers/ShapeLayer.h"
#include "prefs/InkColor.h"
#include "prefs/Tool.h"

#include <QPainterPath>
#include <QPointF>
#include <memory>
#include <vector>

namespace Ink {
// A new, empty stroke layer styled for the tool: colour, width, caps and a
// soft shadow. Its path and opacity change without implicit animation, so a
// growing stroke follows the pointer and a faded stroke vanishes at once.
// The caller sizes it to the view and sets its path as the stroke grows.
std::shared_ptr<ShapeLayer> layer(Tool tool, InkColor color, double penWidth);

// The outline of one stroke from the gesture's points (first: where the button
// went down, last: the latest pointer position), in the overlay's coordinates.
// `straight` draws pen-like tools as one segment; `penWidth` is the stored
// width, made safe here.
QPainterPath path(Tool tool, const std::vector<QPointF>& points, bool straight, double penWidth);

// A numbered badge centred on `centre`, its digits rendered at `scale` pixels
// per point, popping in with a spring (animation key "pop"). The number is
// kept under the value key "step" for undo.
LayerPtr step(int number, QPointF centre, InkColor color, double scale);

// The badge's diameter in points.
constexpr double stepDiameter = 34.0;
} // namespace Ink
