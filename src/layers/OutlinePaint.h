#pragma once
#include "layers/StrokeLook.h"

#include <QPainterPath>

class QPainter;
class QTransform;

// A path stroked with round caps and joins (and filled in the stroke's own
// colour, if at all), with its soft drop shadow, painted straight into the
// pixels from each pixel's distance to the path's lines. A shape remade at
// every move while it is dragged out (an arrow turning about its start, a
// box following a corner) then costs the pixels along its outline that the
// move changed, where stroking the path and blurring its shadow anew costs
// rasterising the whole outline and a bitmap around every changed piece.
//
// The shadow is the body's blur taken from the distance to the lines, as
// for a long straight band: at corners and round ends it differs from the
// blurred picture by a few levels of grey, far below what the eye sees on a
// shadow this faint.
namespace OutlinePaint {
struct Look : StrokeLook {
    QColor fill; // none when not valid or clear; otherwise the pen's colour
    Qt::FillRule fillRule = Qt::WindingFill;
};

// Paints `path` (local coordinates, y up, mapped onto the painter's by
// `toDevice`) within the painter's clip. Answers false, having painted
// nothing, when it cannot give the picture the painter would: another
// device, composition or pen, a fill of another colour or not wholly under
// an opaque stroke's edge, a stretching map.
bool draw(QPainter& painter, const QTransform& toDevice, const QPainterPath& path,
          const Look& look);
} // namespace OutlinePaint
