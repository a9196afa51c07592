#include "layers/GrowingPaint.h"
#include "layers/DevicePixels.h"

#include "common/Shadow.h"
#include "layers/PathBounds.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {
// Grid cells, in points: a few segments of a quick stroke each.
constexpr double cellSize = 48.0;
// Slack around a repainted area so cut ends and their antialiasing stay out.
constexpr double slack = 4.0;
// Bitmaps grow by at least this many pixels beyond what is needed, so that
// a stroke heading somewhere grows them now and then, not at every move.
constexpr int growthMargin = 256;
// The side of the tiles that note where ink is, in device pixels.
constexpr int inkTile = 64;
// More pending areas than this are merged into one.
constexpr std::size_t mostPending = 32;

// The number of elements of the segment starting at `i` (0 for a move).
int segmentLength(const QPainterPath& path, int i) {
    const auto type = path.elementAt(i).type;
    if (type == QPainterPath::LineToElement) return 1;
    if (type == QPainterPath::CurveToElement) return i + 2 < path.elementCount() ? 3 : 0;
    return 0;
}

QRectF segmentBox(const QPainterPath& path, int i) {
    return PathBounds::pointsBox(path, i - 1, i - 1 + segmentLength(path, i));
}

bool touches(const QRectF& a, const QRectF& b) { // inclusive: a straight segment's box is flat
    return a.left() <= b.right() && b.left() <= a.right() && a.top() <= b.bottom() &&
           b.top() <= a.bottom();
}

quint64 cellKey(int x, int y) {
    return quint64(quint32(x)) << 32 | quint32(y);
}

bool hasShadow(const GrowingPaint::Look& look) {
    return look.shadowOpacity > 0 && look.shadowColor.isValid() && look.shadowColor.alpha() > 0;
}
} // namespace

void GrowingPaint::pathChanged(const QPainterPath& path, int firstChanged) {
    const bool kept = firstChanged > 0 && m_path.elementCount() >= firstChanged;
    m_path = path;
    if (!kept) {
        m_segments.clear();
        m_grid.clear();
        m_valid = false; // all is painted again
        indexSegmentsFrom(0);
        return;
    }
    // A curve's later elements cannot change alone: its whole segment goes.
    int from = std::min(firstChanged, path.elementCount());
    while (from > 0 && from < path.elementCount() &&
           path.elementAt(from).type == QPainterPath::CurveToDataElement)
        --from;
    forgetSegmentsFrom(from);
    indexSegmentsFrom(from);
}

void GrowingPaint::bodyChanged(const QRectF& area) {
    if (!m_valid || area.isEmpty()) return;
    m_pending.push_back(area);
    if (m_pending.size() > mostPending) {
        QRectF all;
        for (const QRectF& r : m_pending)
            all = all.united(r);
        m_pending = {all};
    }
}

QRect GrowingPaint::cellsOf(const QRectF& r) const {
    const auto cell = [](double v) { return int(std::floor(std::clamp(v, -1e7, 1e7) / cellSize)); };
    return QRect(QPoint(cell(r.left()), cell(r.top())), QPoint(cell(r.right()), cell(r.bottom())));
}

void GrowingPaint::forgetSegmentsFrom(int element) {
    while (!m_segments.empty() && m_segments.back().element >= element) {
        const int index = int(m_segments.size()) - 1;
        const QRect cells = m_segments.back().cells;
        for (int y = cells.top(); y <= cells.bottom(); ++y)
            for (int x = cells.left(); x <= cells.right(); ++x) {
                const auto it = m_grid.find(cellKey(x, y));
                // Segments go in the order they came, so each is last in its cells.
                if (it != m_grid.end() && !it->empty() && it->back() == index) it->pop_back();
            }
        m_segments.pop_back();
    }
}

void GrowingPaint::indexSegmentsFrom(int element) {
    for (int i = std::max(element, 1); i < m_path.elementCount();) {
        const int length = segmentLength(m_path, i);
        if (length == 0) {
            ++i;
            continue;
        }
        const QRect cells = cellsOf(segmentBox(m_path, i));
        const int index = int(m_segments.size());
        m_segments.push_back({i, cells});
        for (int y = cells.top(); y <= cells.bottom(); ++y)
            for (int x = cells.left(); x <= cells.right(); ++x)
                m_grid[cellKey(x, y)].push_back(index);
        i += length;
    }
}

QPainterPath GrowingPaint::segmentsNear(const QRectF& local) const {
    const QRect cells = cellsOf(local);
    std::vector<int> found;
    for (int y = cells.top(); y <= cells.bottom(); ++y)
        for (int x = cells.left(); x <= cells.right(); ++x) {
            const auto it = m_grid.constFind(cellKey(x, y));
            if (it != m_grid.cend()) found.insert(found.end(), it->begin(), it->end());
        }
    std::sort(found.begin(), found.end());
    found.erase(std::unique(found.begin(), found.end()), found.end());
    // Runs of joined segments keep their joins; where a run is cut, the
    // segment left out is beyond the area, so the cut end's cap lies outside.
    QPainterPath out;
    int joinedAt = -1; // the element that would continue the last run
    for (int index : found) {
        const int i = m_segments[std::size_t(index)].element;
        if (!touches(segmentBox(m_path, i), local)) continue;
        if (i != joinedAt) out.moveTo(PathBounds::pointAt(m_path, i - 1));
        const int length = segmentLength(m_path, i);
        if (length == 1)
            out.lineTo(PathBounds::pointAt(m_path, i));
        else
            out.cubicTo(PathBounds::pointAt(m_path, i), PathBounds::pointAt(m_path, i + 1),
                        PathBounds::pointAt(m_path, i + 2));
        joinedAt = i + length;
    }
    return out;
}

void GrowingPaint::ensureExtent(const QRect& wanted) {
    const QRect needed = wanted & m_limit;
    if (needed.isEmpty() || m_extent.contains(needed)) return;
    // Growing by half again each time keeps the copies few however far it goes.
    const QRect both = m_extent | needed;
    const int dx = std::max(growthMargin, both.width() / 2);
    const int dy = std::max(growthMargin, both.height() / 2);
    const QRect grown = both.adjusted(-dx, -dy, dx, dy) & m_limit;
    const auto regrow = [&](const QImage& old) {
        QImage image(grown.size(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        if (!old.isNull()) {
            QPainter p(&image);
            p.setCompositionMode(QPainter::CompositionMode_Source);
            p.drawImage(m_extent.topLeft() - grown.topLeft(), old);
        }
        return image;
    };
    m_body = regrow(m_body);
    m_shadow = hasShadow(m_look) ? regrow(m_shadow) : QImage();
    m_extent = grown;
}

QRect tilesOf(const QRect& pixels) {
    const auto tile = [](int v) { return v >= 0 ? v / inkTile : -((-v - 1) / inkTile) - 1; };
    return QRect(QPoint(tile(pixels.left()), tile(pixels.top())),
                 QPoint(tile(pixels.right()), tile(pixels.bottom())));
}

void GrowingPaint::markInked(const QRect& pixels) {
    if (pixels.isEmpty()) return;
    const QRect tiles = tilesOf(pixels);
    for (int y = tiles.top(); y <= tiles.bottom(); ++y)
        for (int x = tiles.left(); x <= tiles.right(); ++x)
            m_inked.insert(cellKey(x, y));
}

QPointF GrowingPaint::shadowOffsetInPixels() const {
    return m_toPixels.map(m_look.shadowOffset) - m_toPixels.map(QPointF(0, 0));
}

void GrowingPaint::repaint(const QRectF& local) {
    const double scale = std::abs(m_toPixels.m11());
    const double reach = PathBounds::penReach(m_look.pen) + slack / scale;
    const int blurPixels =
        hasShadow(m_look) ? int(std::ceil(3 * m_look.shadowRadius / 2 * scale)) + 2 : 0;
    const QRect body = m_toPixels.mapRect(local).toAlignedRect();
    ensureExtent(body.adjusted(-2 * blurPixels, -2 * blurPixels, 2 * blurPixels, 2 * blurPixels));
    const QPoint origin = m_extent.topLeft();

    const QRect bodyInImage = (body & m_extent).translated(-origin);
    markInked(body & m_extent);
    if (!bodyInImage.isEmpty()) {
        QPainter p(&m_body);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.fillRect(bodyInImage, Qt::transparent);
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
        p.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
        p.setClipRect(bodyInImage);
        p.setTransform(m_toPixels * QTransform::fromTranslate(-origin.x(), -origin.y()));
        const QRectF near = m_toPixels.inverted().mapRect(QRectF(body));
        p.strokePath(segmentsNear(near.adjusted(-reach, -reach, reach, reach)), m_look.pen);
    }
    if (m_shadow.isNull()) return;
    // The shadow changes within a blur's reach of the body's change, and
    // takes its pixels from within a blur's reach of that.
    const QRect shadow = body.adjusted(-blurPixels, -blurPixels, blurPixels, blurPixels) & m_extent;
    const QRect source =
        shadow.adjusted(-blurPixels, -blurPixels, blurPixels, blurPixels) & m_extent;
    if (shadow.isEmpty()) return;
    markInked(shadow.translated(shadowOffsetInPixels().toPoint()).adjusted(-1, -1, 1, 1));
    const QImage cast = Shadow::cast(m_body.copy(source.translated(-origin)),
                                     m_look.shadowRadius * scale, {0, 0}, m_look.shadowColor);
    QPainter p(&m_shadow);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(shadow.topLeft() - origin, cast,
                QRect(shadow.topLeft() - source.topLeft(), shadow.size()));
}

bool GrowingPaint::sameLook(const Look& a, const Look& b) {
    return a.pen == b.pen && a.shadowOpacity == b.shadowOpacity && a.shadowColor == b.shadowColor &&
           a.shadowRadius == b.shadowRadius && a.shadowOffset == b.shadowOffset;
}

bool GrowingPaint::draw(QPainter& painter, const QTransform& toDevice, const QRectF& bounds,
                        const Look& look) {
    const QTransform toPixels = DevicePixels::of(painter, toDevice);
    // Bitmaps stand in for painting only where they land on whole pixels, unstretched.
    if (toPixels.type() > QTransform::TxScale ||
        std::abs(std::abs(toPixels.m11()) - std::abs(toPixels.m22())) >= 1e-9 ||
        !(std::abs(toPixels.m11()) > 0.05))
        return false;
    if (!m_valid || toPixels != m_toPixels || !sameLook(look, m_look)) {
        m_toPixels = toPixels;
        m_look = look;
        // A little beyond the bounds: the shadow of ink at the edge comes from there too.
        m_limit = toPixels.mapRect(bounds).toAlignedRect().adjusted(-64, -64, 64, 64);
        m_extent = QRect();
        m_body = m_shadow = QImage();
        m_inked.clear();
        m_pending.clear();
        m_valid = true;
        const double reach = PathBounds::penReach(look.pen) + 1.0;
        if (!m_path.isEmpty())
            repaint(m_path.controlPointRect().adjusted(-reach, -reach, reach, reach));
    }
    for (const QRectF& area : m_pending)
        repaint(area);
    m_pending.clear();
    if (m_body.isNull()) return true;

    painter.save();
    // Device pixels from here on (the device transform includes the world
    // transform other layers left).
    painter.setTransform(DevicePixels::asWorld(painter));
    const double opacity = painter.opacity();
    const bool shadow = !m_shadow.isNull();
    const QPointF exactOffset = shadowOffsetInPixels();
    const QPoint offset = exactOffset.toPoint();
    const QRect reach = m_extent.united(m_extent.translated(offset)).adjusted(-1, -1, 1, 1);
    // Each inked tile of each piece of the clip on its own, as a plain copy of
    // rows: one blit over the clip's bounding box would walk all of it
    // against a clip of many pieces. A shadow offset by whole pixels lands
    // exactly in the piece, so the clip can be left out altogether.
    const QRegion clip = DevicePixels::clip(painter, reach);
    const bool whole = exactOffset == QPointF(offset);
    if (whole) painter.setClipping(false);
    const auto blit = [&](const QRect& part) {
        if (!whole) painter.setClipRect(part);
        if (shadow) {
            QRect from = part.translated(-offset);
            if (!whole) from.adjust(-1, -1, 1, 1);
            from &= m_extent;
            if (!from.isEmpty()) {
                painter.setOpacity(opacity * look.shadowOpacity);
                painter.drawImage(QPointF(from.topLeft()) + exactOffset, m_shadow,
                                  from.translated(-m_extent.topLeft()));
            }
        }
        const QRect from = part & m_extent;
        if (!from.isEmpty()) {
            painter.setOpacity(opacity);
            painter.drawImage(from.topLeft(), m_body, from.translated(-m_extent.topLeft()));
        }
    };
    for (const QRect& piece : clip) {
        const QRect tiles = tilesOf(piece);
        for (int y = tiles.top(); y <= tiles.bottom(); ++y)
            // Runs of inked tiles side by side go in one blit.
            for (int x = tiles.left(); x <= tiles.right(); ++x) {
                if (!m_inked.contains(cellKey(x, y))) continue;
                int last = x;
                while (last < tiles.right() && m_inked.contains(cellKey(last + 1, y)))
                    ++last;
                blit(piece & QRect(x * inkTile, y * inkTile, (last - x + 1) * inkTile, inkTile));
                x = last;
            }
    }
    painter.restore();
    return true;
}
