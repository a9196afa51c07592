#pragma once
#include <QPainterPath>
#include <QRectF>
#include <QTransform>
#include <array>
#include <vector>

// Where a path paints, as thin rectangles along its outline rather than one
// box around it: a large box or a long arrow being dragged changes a few
// pixels along its edges, not the screen-sized area they enclose.
namespace OutlineDamage {

struct Piece {
    QRectF rect; // local coordinates, not yet widened by the pen
    // What the piece is made of: a line's two ends, a curve's four points, a
    // dot's one. None for a filled subpath's box, which may differ inside.
    std::array<QPointF, 4> points{};
    int count = 0;
};

// Appends pieces that hold every control point and every line of `path`
// from point `from` on. A subpath a fill covers (`filled`, more than one
// line) is taken whole, by its box. Lines are cut where they cross a grid
// of `step` root units, so an edge that stays where it is keeps its
// pieces while the line it belongs to grows or shrinks at its other end.
// Returns false, leaving `out` as it was, when more than `most` pieces
// would be needed.
bool collect(const QPainterPath& path, int from, bool filled, const QTransform& toRoot, double step,
             int most, std::vector<Piece>& out);

// Removes the pieces found in both lists. Around a piece of outline that is
// still there, unchanged, the picture changes only where a changed piece
// comes within reach, and that piece's own damage covers it. That holds
// for a pen with round caps and joins only: with others, a line that
// becomes joined to the next one where it used to end changes its corner
// though its pieces stay the same.
void dropUnchanged(std::vector<Piece>& before, std::vector<Piece>& after);

} // namespace OutlineDamage
