#pragma once
#include <QPainterPath>
#include <QRectF>
#include <QTransform>
#include <vector>

// Where a path paints, as thin rectangles along its outline rather than one
// box around it: a large box or a long arrow being dragged changes a few
// pixels along its edges, not the screen-sized area they enclose.
namespace OutlineDamage {

// Appends rectangles (local coordinates, not yet widened by the pen) that
// hold every control point and every line of `path` from point `from` on.
// A subpath a fill covers (`filled`, more than one line) is taken whole, by
// its box. Lines are cut so that a piece spans at most `piece` root units
// across its shorter side. Returns false, leaving `out` as it was, when more
// than `most` rectangles would be needed.
bool collect(const QPainterPath& path, int from, bool filled, const QTransform& toRoot,
             double piece, int most, std::vector<QRectF>& out);

} // namespace OutlineDamage
