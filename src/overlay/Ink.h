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
// `straight` draws pen-like tools as one segment; `penWidth` is the width the
// settings hand out, already safe.
QPainterPath path(Tool tool, const std::vector<QPointF>& points, bool straight, double penWidth);

// The outline of a pen or highlighter stroke, grown point by point: the
// path that path() gives for the same points, built at a cost that does not
// grow with the stroke.
class StrokeBuilder {
  public:
    explicit StrokeBuilder(QPointF first = {});
    // Adds the latest pointer position. Answers how many leading elements
    // the new path keeps from the one before (0: it may differ anywhere).
    int add(QPointF point, bool straight);
    const QPainterPath& path() const { return m_path; }

  private:
    QPointF m_first;
    QPointF m_last;
    int m_count = 1;       // points so far
    QPainterPath m_curves; // the start and every curve: what later points keep
    QPainterPath m_path;
    bool m_straight = true; // the last path was a straight one (or there was none)
};

// A numbered badge centred on `centre`, its digits rendered at `scale` pixels
// per point, popping in with a spring (animation key "pop"). The number is
// kept under the value key "step" for undo.
LayerPtr step(int number, QPointF centre, InkColor color, double scale);

// The tool a gesture works with: while the laser is on, a drag draws with the pen.
inline Tool gestureTool(Tool chosen, bool laser) {
    return laser ? Tool::pen : chosen;
}

// A click tool puts its mark where the button went down, on release, and
// draws nothing when dragged; the other tools ring on a tap and draw on a drag.
inline bool placesOnClick(Tool tool) {
    return tool == Tool::steps;
}

// The badge's diameter in points.
constexpr double stepDiameter = 34.0;
} // namespace Ink
