#include "layers/OutlinePaint.h"
#include "common/Shadow.h"
#include "layers/DevicePixels.h"
#include "layers/LayerProps.h"
#include "layers/PackedPixels.h"

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace {
using namespace PackedPixels;

// One straight piece of the outline in device pixels.
struct Segment {
    double ax, ay, bx, by;
    double ux, uy, length; // unit direction; 0 length: a dot
    double left, right, top, bottom;
};

Segment segment(QPointF a, QPointF b) {
    Segment s{a.x(), a.y(), b.x(), b.y(), 1, 0, 0, 0, 0, 0, 0};
    s.length = std::hypot(b.x() - a.x(), b.y() - a.y());
    if (s.length > 0) {
        s.ux = (b.x() - a.x()) / s.length;
        s.uy = (b.y() - a.y()) / s.length;
    }
    s.left = std::min(a.x(), b.x());
    s.right = std::max(a.x(), b.x());
    s.top = std::min(a.y(), b.y());
    s.bottom = std::max(a.y(), b.y());
    return s;
}

struct Outline {
    std::vector<Segment> segments;
    std::vector<QPolygonF> fills; // every subpath, when filled
    Qt::FillRule rule = Qt::WindingFill;
    QRectF box; // of all points
};

Outline outlineOf(const QPainterPath& path, const QTransform& toPixels, bool filled,
                  Qt::FillRule rule) {
    Outline o;
    o.rule = rule;
    bool boxed = false; // by hand: united() drops the empty box of a one-point subpath
    // Qt flattens curves to within about a unit: drawn four times larger,
    // the corners keep their round within a quarter of a pixel.
    constexpr double finer = 4;
    for (QPolygonF poly : path.toSubpathPolygons(toPixels * QTransform::fromScale(finer, finer))) {
        if (poly.isEmpty()) continue;
        for (QPointF& point : poly)
            point /= finer;
        for (const QPointF& point : poly) {
            if (!boxed) o.box = QRectF(point, point);
            o.box.setLeft(std::min(o.box.left(), point.x()));
            o.box.setRight(std::max(o.box.right(), point.x()));
            o.box.setTop(std::min(o.box.top(), point.y()));
            o.box.setBottom(std::max(o.box.bottom(), point.y()));
            boxed = true;
        }
        if (poly.size() == 1) o.segments.push_back(segment(poly[0], poly[0]));
        for (int i = 1; i < poly.size(); ++i)
            o.segments.push_back(segment(poly[i - 1], poly[i]));
        if (filled && poly.size() > 2) o.fills.push_back(poly);
    }
    return o;
}

// The pixels of a row that something came near: first > last when none.
struct Span {
    int first = std::numeric_limits<int>::max(), last = std::numeric_limits<int>::min();
    void add(int a, int b) {
        first = std::min(first, a);
        last = std::max(last, b);
    }
};

// Squared distance to the nearest segment for the pixels `from`..`to` of
// the row whose centre is at `cy`, looking only within `reach`; pixels
// farther keep what they held (reach² or more). Notes in `span` the pixels
// it looked at.
void nearest(const std::vector<const Segment*>& segments, double cy, int from, int to, double reach,
             float* squared, Span& span) {
    for (const Segment* s : segments) {
        if (cy < s->top - reach || cy > s->bottom + reach) continue;
        // Pixels of the band around the segment's line, within its ends' reach.
        double x1 = s->left - reach, x2 = s->right + reach;
        if (std::abs(s->uy) > 1e-9) {
            const double across = s->ux * (cy - s->ay), halfWidth = reach / std::abs(s->uy);
            const double mid = s->ax + across / s->uy;
            x1 = std::max(x1, mid - halfWidth);
            x2 = std::min(x2, mid + halfWidth);
        }
        const int first = int(std::floor(std::clamp(x1 - 0.5, double(from), to + 1.0)));
        const int last = int(std::ceil(std::clamp(x2 - 0.5, from - 1.0, double(to))));
        if (first > last) continue;
        span.add(first - from, last - from);
        const double py = cy - s->ay;
        for (int x = first; x <= last; ++x) {
            const double px = x + 0.5 - s->ax;
            const double t = std::clamp(px * s->ux + py * s->uy, 0.0, s->length);
            const double ex = px - t * s->ux, ey = py - t * s->uy;
            const float d = float(ex * ex + ey * ey);
            float& slot = squared[x - from];
            slot = std::min(slot, d);
        }
    }
}

// Marks with -1 the pixels of the row at `cy` whose centres the fill covers.
using Crossings = std::vector<std::pair<double, int>>; // x, winding step

void markFilled(const Outline& o, double cy, int from, int to, float* squared, Span& span,
                Crossings& crossings) {
    if (o.fills.empty()) return;
    crossings.clear();
    for (const QPolygonF& poly : o.fills) {
        for (int i = 0; i < poly.size(); ++i) {
            const QPointF a = poly[i], b = poly[(i + 1) % poly.size()];
            if ((a.y() <= cy) == (b.y() <= cy)) continue;
            const double x = a.x() + (cy - a.y()) * (b.x() - a.x()) / (b.y() - a.y());
            crossings.emplace_back(x, b.y() > a.y() ? 1 : -1);
        }
    }
    std::sort(crossings.begin(), crossings.end());
    // The first pixel whose centre lies at or after `x`, kept near the row
    // before it becomes an int.
    const auto pixelAt = [&](double x) {
        return int(std::ceil(std::clamp(x - 0.5, from - 1.0, to + 1.0)));
    };
    int winding = 0;
    for (std::size_t i = 0; i + 1 < crossings.size(); ++i) {
        winding += crossings[i].second;
        const bool inside = o.rule == Qt::OddEvenFill ? (i + 1) % 2 == 1 : winding != 0;
        if (!inside) continue;
        const int first = std::max(from, pixelAt(crossings[i].first));
        const int last = std::min(to, pixelAt(crossings[i + 1].first) - 1);
        if (first <= last) span.add(first - from, last - from);
        for (int x = first; x <= last; ++x)
            squared[x - from] = -1;
    }
}

// The shadow's cover at each distance from the lines, in steps of 1/16 px:
// a band of half width `half` blurred by a Gaussian with `sigma`.
std::vector<uint> shadowProfile(double half, double sigma, double reach) {
    const auto below = [](double z) { return 0.5 * std::erfc(-z / std::sqrt(2.0)); };
    std::vector<uint> profile(std::size_t(std::ceil(reach * 16)) + 2);
    for (std::size_t i = 0; i < profile.size(); ++i) {
        const double d = i / 16.0;
        const double cover = sigma > 0.05 ? below((half - d) / sigma) - below((-half - d) / sigma)
                                          : std::clamp(half + 0.5 - d, 0.0, 1.0);
        profile[i] = weight(cover);
    }
    return profile;
}

struct Paint {
    double half = 0;        // the pen's half width, px
    double bodyReach = 0;   // px from the lines where the body shows
    double shadowReach = 0; // px from the lines where the shadow shows
    QPointF shift;          // of the shadow, px
    uint body = 0, shadow = 0;
    std::vector<uint> profile;
};

// Buffers the rectangles of one paint share. The rows hold the squared
// distances of one row of pixels; each row sets back what it touched, so
// they stay at "far" between rows and rectangles.
struct Scratch {
    std::vector<const Segment*> near;
    std::vector<float> bodyRow, shadowRow;
    Crossings crossings;
};

void paintRect(QImage& image, const QRect& rect, const Outline& o, const Paint& p, Scratch& s) {
    const double margin = std::max(p.bodyReach, p.shadowReach + std::abs(p.shift.y())) + 1;
    const QRectF around = QRectF(rect).adjusted(-margin - std::abs(p.shift.x()), -margin,
                                                margin + std::abs(p.shift.x()), margin);
    std::vector<const Segment*>& near = s.near;
    near.clear();
    for (const Segment& segment : o.segments)
        if (segment.right >= around.left() && segment.left <= around.right() &&
            segment.bottom >= around.top() && segment.top <= around.bottom())
            near.push_back(&segment);
    if (near.empty() && o.fills.empty()) return;
    const int left = rect.left(), right = rect.right();
    const float bodyFar = float(p.bodyReach * p.bodyReach);
    const float shadowFar = float(p.shadowReach * p.shadowReach);
    float* const bodyRow = s.bodyRow.data();
    float* const shadowRow = s.shadowRow.data();
    // The shadow is the body moved by `shift`: its pixels look `shift` back,
    // to the nearest column (a fraction of a pixel sideways is not seen).
    const int shiftX = int(std::lround(p.shift.x()));
    const bool opaqueBody = p.body >> 24 == 255;
    uchar* const bits = image.bits(); // once: scanLine() checks for sharing at every row
    const qsizetype stride = image.bytesPerLine();
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        const double cy = y + 0.5;
        Span span;
        nearest(near, cy, left, right, p.bodyReach, bodyRow, span);
        markFilled(o, cy, left, right, bodyRow, span, s.crossings);
        if (p.shadow) {
            const double sy = cy - p.shift.y();
            nearest(near, sy, left - shiftX, right - shiftX, p.shadowReach, shadowRow, span);
            markFilled(o, sy, left - shiftX, right - shiftX, shadowRow, span, s.crossings);
        }
        if (span.first > span.last) continue;
        auto* line = reinterpret_cast<uint*>(bits + y * stride);
        for (int i = span.first; i <= span.last; ++i) {
            uint bodyCover = 0;
            if (bodyRow[i] < bodyFar)
                bodyCover =
                    bodyRow[i] < 0 ? 255 : weight(p.half + 0.5 - std::sqrt(double(bodyRow[i])));
            if (bodyCover == 255 && opaqueBody) { // hides the shadow under it
                line[left + i] = p.body;
                continue;
            }
            uint pixel = line[left + i];
            bool changed = false;
            if (p.shadow && shadowRow[i] < shadowFar) {
                const uint cover =
                    shadowRow[i] < 0
                        ? 255
                        : p.profile[std::size_t(std::sqrt(double(shadowRow[i])) * 16 + 0.5)];
                if (cover) {
                    pixel = over(pixel, scaled(p.shadow, cover));
                    changed = true;
                }
            }
            if (bodyCover) {
                pixel = over(pixel, bodyCover == 255 ? p.body : scaled(p.body, bodyCover));
                changed = true;
            }
            if (changed) line[left + i] = pixel;
        }
        std::fill(bodyRow + span.first, bodyRow + span.last + 1, bodyFar);
        std::fill(shadowRow + span.first, shadowRow + span.last + 1, shadowFar);
    }
}
} // namespace

namespace OutlinePaint {
bool draw(QPainter& painter, const QTransform& toDevice, const QPainterPath& path,
          const Look& look) {
    auto* image = dynamic_cast<QImage*>(painter.device());
    const bool filled = visible(look.fill);
    if (!image || image->format() != QImage::Format_ARGB32_Premultiplied ||
        painter.compositionMode() != QPainter::CompositionMode_SourceOver ||
        look.pen.capStyle() != Qt::RoundCap || look.pen.joinStyle() != Qt::RoundJoin ||
        look.pen.style() != Qt::SolidLine || look.pen.brush().style() != Qt::SolidPattern ||
        (filled && look.fill.rgba64() != look.pen.color().rgba64()))
        return false;
    const QTransform toPixels = DevicePixels::of(painter, toDevice);
    if (!DevicePixels::keepsShapes(toPixels)) return false;
    // A fill shows alone where no stroke covers its edge, and a translucent
    // one darkens where the stroke goes over it: the painter's own way.
    const bool stroked = visible(look.pen.color()) && look.pen.widthF() > 0;
    if (filled && (!stroked || look.pen.color().alpha() < 255 || painter.opacity() < 1))
        return false;
    if (path.isEmpty() || !stroked) return true;

    const double scale = std::sqrt(std::abs(toPixels.determinant()));
    Paint p;
    p.half = look.pen.widthF() / 2 * scale;
    p.bodyReach = p.half + 0.5;
    p.body = premultiplied(look.pen.color(), painter.opacity());
    if (look.shadowOpacity > 0 && visible(look.shadowColor)) {
        // The blur of the painted shadow: a Gaussian with sigma half the radius.
        const double radius = look.shadowRadius * scale;
        const double sigma = radius / 2;
        p.shadowReach = p.half + Shadow::reach(radius);
        p.shift = toPixels.map(look.shadowOffset) - toPixels.map(QPointF(0, 0));
        p.shadow = premultiplied(look.shadowColor, painter.opacity() * look.shadowOpacity);
        p.profile = shadowProfile(p.half, sigma, p.shadowReach);
    }
    const Outline outline = outlineOf(path, toPixels, filled, look.fillRule);
    const double reach = std::max(p.bodyReach, p.shadowReach) + 1;
    const QRectF body = outline.box.adjusted(-reach, -reach, reach, reach);
    const QRect within = (body | body.translated(p.shift)).toAlignedRect() & image->rect();
    const QRegion clip = DevicePixels::clip(painter, within);
    Scratch scratch;
    scratch.bodyRow.assign(std::size_t(within.width()), float(p.bodyReach * p.bodyReach));
    scratch.shadowRow.assign(std::size_t(within.width()), float(p.shadowReach * p.shadowReach));
    for (const QRect& rect : clip)
        paintRect(*image, rect, outline, p, scratch);
    return true;
}
} // namespace OutlinePaint
