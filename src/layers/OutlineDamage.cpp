#include "layers/OutlineDamage.h"
#include "layers/PathBounds.h"

#include <algorithm>
#include <cmath>

namespace {
using OutlineDamage::Piece;

Piece piece(QPointF a, QPointF b) {
    return Piece{QRectF(a, b).normalized(), {a, b, {}, {}}, 2};
}

// One past the last element of the subpath that starts at `start`.
int subpathEnd(const QPainterPath& path, int start) {
    int end = start + 1;
    while (end < path.elementCount() && !path.elementAt(end).isMoveTo())
        ++end;
    return end;
}

// The line from `p` to `q` with its points where it crosses multiples of
// `step` root units along its longer side. The cuts are computed from the
// grid and the line through `p`, so a level or upright edge that keeps its
// place keeps them, whichever of its ends moves.
std::vector<QPointF> cut(QPointF p, QPointF q, const QTransform& toRoot, double step, int most) {
    const QPointF rp = toRoot.map(p), rq = toRoot.map(q);
    const bool acrossX = std::abs(rq.x() - rp.x()) >= std::abs(rq.y() - rp.y());
    const double from = acrossX ? rp.x() : rp.y(), to = acrossX ? rq.x() : rq.y();
    std::vector<QPointF> points{p};
    const double low = std::min(from, to), high = std::max(from, to);
    if (high > low && (high - low) / step <= most) {
        const QTransform back = toRoot.inverted();
        const double slope =
            acrossX ? (rq.y() - rp.y()) / (rq.x() - rp.x()) : (rq.x() - rp.x()) / (rq.y() - rp.y());
        for (double k = std::floor(low / step) + 1; k * step < high; ++k) {
            const double along = k * step,
                         side = (acrossX ? rp.y() : rp.x()) + (along - from) * slope;
            points.push_back(back.map(acrossX ? QPointF(along, side) : QPointF(side, along)));
        }
        if (to < from) std::reverse(points.begin() + 1, points.end());
    }
    points.push_back(q);
    return points;
}

auto keyOf(const Piece& p) {
    std::array<double, 9> key{double(p.count)};
    for (int i = 0; i < 4; ++i) {
        key[1 + 2 * i] = p.points[i].x();
        key[2 + 2 * i] = p.points[i].y();
    }
    return key;
}
} // namespace

namespace OutlineDamage {

bool collect(const QPainterPath& path, int from, bool filled, const QTransform& toRoot, double step,
             int most, std::vector<Piece>& out) {
    const std::size_t before = out.size();
    const int count = path.elementCount();
    from = std::clamp(from, 0, count);
    int start = from;
    while (start > 0 && !path.elementAt(start).isMoveTo())
        --start;
    const auto add = [&](const Piece& p) {
        out.push_back(p);
        return int(out.size() - before) <= most;
    };
    for (; start < count; start = subpathEnd(path, start)) {
        const int end = subpathEnd(path, start);
        // A moveTo and one line enclose nothing; anything more may be filled.
        if (filled && end - start > 2) {
            if (!add(Piece{PathBounds::pointsBox(path, start, end - 1), {}, 0})) break;
            continue;
        }
        if (end - start == 1 && start >= from) {
            const QPointF dot = PathBounds::pointAt(path, start);
            if (!add(Piece{QRectF(dot, dot), {dot, {}, {}, {}}, 1})) break;
        }
        bool full = true;
        for (int i = start + 1; i < end && full; ++i) {
            const QPointF p = PathBounds::pointAt(path, i - 1);
            if (path.elementAt(i).isCurveTo()) {
                // A curve stays inside the box of its control points.
                const int last = std::min(i + 2, end - 1);
                if (i + 2 > from) {
                    Piece curve{PathBounds::pointsBox(path, i - 1, last), {}, last - i + 2};
                    for (int k = 0; k < curve.count; ++k)
                        curve.points[k] = PathBounds::pointAt(path, i - 1 + k);
                    full = add(curve);
                }
                i += 2;
                continue;
            }
            if (i <= from) continue;
            const QPointF q = PathBounds::pointAt(path, i);
            const std::vector<QPointF> points = cut(p, q, toRoot, step, most);
            for (std::size_t k = 0; k + 1 < points.size() && full; ++k)
                full = add(piece(points[k], points[k + 1]));
        }
        if (!full) break;
    }
    if (int(out.size() - before) <= most) return true;
    out.resize(before);
    return false;
}

void dropUnchanged(std::vector<Piece>& before, std::vector<Piece>& after) {
    const auto byKey = [](const Piece& a, const Piece& b) { return keyOf(a) < keyOf(b); };
    std::sort(before.begin(), before.end(), byKey);
    std::sort(after.begin(), after.end(), byKey);
    std::vector<Piece> onlyBefore, onlyAfter;
    auto a = before.begin(), b = after.begin();
    while (a != before.end() || b != after.end()) {
        if (b == after.end() || (a != before.end() && byKey(*a, *b))) {
            onlyBefore.push_back(*a++);
        } else if (a == before.end() || byKey(*b, *a)) {
            onlyAfter.push_back(*b++);
        } else if (a->count == 0) { // a filled box: its inside may differ
            onlyBefore.push_back(*a++);
            onlyAfter.push_back(*b++);
        } else {
            ++a, ++b;
        }
    }
    before = std::move(onlyBefore);
    after = std::move(onlyAfter);
}

} // namespace OutlineDamage
