#pragma once
#include <QPainter>
#include <QPainterPath>

// The parts of a path that can show through the painter's clip. Qt's
// antialiasing rasteriser slows down badly for shapes far larger than the
// clip (a screen-long tilted stick costs tens of milliseconds to repaint a
// few hundred pixels of it), so paths are cut to the clip before painting.

// For filling: the path intersected with the clip's bounds.
QPainterPath visibleFill(const QPainter& painter, const QPainterPath& path);
// For stroking: the segments that come within `reach` (half the line width,
// more for miters) of the clip. Cut ends lie outside the clip, so their caps
// never show.
QPainterPath visibleStroke(const QPainter& painter, const QPainterPath& path, double reach);
