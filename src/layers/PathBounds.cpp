#include "layers/PathBounds.h"

#include <algorithm>
#include <cmath>

namespace PathBounds {

QPointF pointAt(const QPainterPath& path, int i) {
    const auto e = path.elementAt(i);
    return {e.x, e.y};
}

QRectF pointsBox(const QPainterPath& path, int first, int last) {
    double left = INFINITY, top = INFINITY, right = -INFINITY, bottom = -INFINITY;
    for (int i = std::max(first, 0); i <= std::min(last, path.elementCount() - 1); ++i) {
        const auto e = path.elementAt(i);
        left = std::min(left, e.x);
        right = std::max(right, e.x);
        top = std::min(top, e.y);
        bottom = std::max(bottom, e.y);
    }
    if (left > right) return {};
    return QRectF(left, top, right - left, bottom - top);
}

double penReach(const QPen& pen) {
    double reach = pen.widthF() / 2;
    if (pen.joinStyle() == Qt::MiterJoin)
        reach *= 2 * pen.miterLimit(); // Qt counts the miter from the join, in pen widths
    else if (pen.capStyle() == Qt::SquareCap)
        reach *= M_SQRT2;
    return reach;
}

} // namespace PathBounds
