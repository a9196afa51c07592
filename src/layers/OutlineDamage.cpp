#include "layers/OutlineDamage.h"
#include "layers/PathBounds.h"

#include <algorithm>
#include <cmath>

namespace {
QRectF around(QPointF a, QPointF b) {
    return QRectF(a, b).normalized();
}

// One past the last element of the subpath that starts at `start`.
int subpathEnd(const QPainterPath& path, int start) {
    int end = start + 1;
    while (end < path.elementCount() && !path.elementAt(end).isMoveTo())
        ++end;
    return end;
}
} // namespace

namespace OutlineDamage {

bool collect(const QPainterPath& path, int from, bool filled, const QTransform& toRoot,
             double piece, int most, std::vector<QRectF>& out) {
    const std::size_t before = out.size();
    const int count = path.elementCount();
    from = std::clamp(from, 0, count);
    int start = from;
    while (start > 0 && !path.elementAt(start).isMoveTo())
        --start;
    const auto add = [&](const QRectF& r) {
        out.push_back(r);
        return int(out.size() - before) <= most;
    };
    for (; start < count; start = subpathEnd(path, start)) {
        const int end = subpathEnd(path, start);
        // A moveTo and one line enclose nothing; anything more may be filled.
        if (filled && end - start > 2) {
            if (!add(PathBounds::pointsBox(path, start, end - 1))) break;
            continue;
        }
        if (end - start == 1 && start >= from && !add(PathBounds::pointsBox(path, start, start)))
            break;
        bool full = true;
        for (int i = start + 1; i < end && full; ++i) {
            const QPointF p = PathBounds::pointAt(path, i - 1);
            if (path.elementAt(i).isCurveTo()) {
                // A curve stays inside the box of its control points.
                if (i + 2 > from)
                    full = add(PathBounds::pointsBox(path, i - 1, std::min(i + 2, end - 1)));
                i += 2;
                continue;
            }
            if (i <= from) continue;
            const QPointF q = PathBounds::pointAt(path, i);
            const QPointF d = toRoot.map(q) - toRoot.map(p);
            const double across = std::min(std::abs(d.x()), std::abs(d.y()));
            const int pieces = std::clamp(int(std::ceil(across / piece)), 1, most + 1);
            for (int k = 0; k < pieces && full; ++k) {
                const double a = double(k) / pieces, b = double(k + 1) / pieces;
                full = add(around(p + a * (q - p), p + b * (q - p)));
            }
        }
        if (!full) break;
    }
    if (int(out.size() - before) <= most) return true;
    out.resize(before);
    return false;
}

} // namespace OutlineDamage
