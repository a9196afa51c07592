#include "layers/VisiblePart.h"

#include <algorithm>
#include <optional>

namespace {
// Slack around the clip so cut edges and their antialiasing stay off screen.
constexpr double slack = 4.0;
// Above this many elements a cut costs more than it saves.
constexpr int mostElementsToCut = 4000;

std::optional<QRectF> clipBounds(const QPainter& painter) {
    if (!painter.hasClipping()) return std::nullopt;
    return painter.clipBoundingRect();
}

// Liang-Barsky: the part of segment a-b inside `box`, if any.
std::optional<std::pair<QPointF, QPointF>> clipSegment(QPointF a, QPointF b, const QRectF& box) {
    double t0 = 0, t1 = 1;
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x() - box.left(), box.right() - a.x(), a.y() - box.top(),
                         box.bottom() - a.y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return std::nullopt;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1) return std::nullopt;
    }
    return std::make_pair(a + t0 * (b - a), a + t1 * (b - a));
}

QRectF boxOf(std::initializer_list<QPointF> points) {
    double l = INFINITY, t = INFINITY, r = -INFINITY, b = -INFINITY;
    for (const QPointF& p : points) {
        l = std::min(l, p.x());
        r = std::max(r, p.x());
        t = std::min(t, p.y());
        b = std::max(b, p.y());
    }
    return QRectF(QPointF(l, t), QPointF(r, b));
}
} // namespace

QPainterPath visibleFill(const QPainter& painter, const QPainterPath& path) {
    const auto clip = clipBounds(painter);
    if (!clip || path.elementCount() > mostElementsToCut) return path;
    const QRectF box = clip->adjusted(-slack, -slack, slack, slack);
    if (box.contains(path.controlPointRect())) return path;
    QPainterPath window;
    window.addRect(box);
    return path.intersected(window);
}

QPainterPath visibleStroke(const QPainter& painter, const QPainterPath& path, double reach) {
    const auto clip = clipBounds(painter);
    if (!clip) return path;
    const double grow = reach + slack;
    const QRectF box = clip->adjusted(-grow, -grow, grow, grow);
    if (box.contains(path.controlPointRect())) return path;
    QPainterPath out;
    QPointF at;
    bool connected = false; // whether `out` ends at `at`
    for (int i = 0; i < path.elementCount(); ++i) {
        const auto e = path.elementAt(i);
        const QPointF to(e.x, e.y);
        if (e.isMoveTo()) {
            connected = false;
        } else if (e.isLineTo()) {
            if (const auto part = clipSegment(at, to, box)) {
                if (!connected || part->first != at) out.moveTo(part->first);
                out.lineTo(part->second);
                connected = part->second == to;
            } else {
                connected = false;
            }
        } else if (e.isCurveTo() && i + 2 < path.elementCount()) {
            const auto c2 = path.elementAt(i + 1), end = path.elementAt(i + 2);
            const QPointF q1(e.x, e.y), q2(c2.x, c2.y), q3(end.x, end.y);
            // Inclusive: a straight curve's box has no height, and QRectF::intersects
            // never counts an empty rectangle in.
            const QRectF b = boxOf({at, q1, q2, q3});
            if (b.left() <= box.right() && b.right() >= box.left() && b.top() <= box.bottom() &&
                b.bottom() >= box.top()) {
                if (!connected) out.moveTo(at);
                out.cubicTo(q1, q2, q3);
                connected = true;
            } else {
                connected = false;
            }
            at = q3;
            i += 2;
            continue;
        }
        at = to;
    }
    return out;
}
