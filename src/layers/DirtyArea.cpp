#include "layers/DirtyArea.h"

#include <algorithm>
#include <span>

namespace {
// A region of more rectangles than this is coarsened to whole tiles: each
// rectangle of the clip costs the painter about as much as a few thousand
// pixels painted needlessly.
constexpr int mostRects = 40;
// Tiles still this many (the thin outline of a large box) give way to the
// bounding rectangle.
constexpr int mostTiles = 160;
// The grid a region with too many rectangles is coarsened to (a power of two).
constexpr int tile = 16;

// The union of rectangles sorted top to bottom, merged in halves: each merge
// joins two regions of about the same size that overlap little.
QRegion unionOf(std::span<const QRect> rects) {
    if (rects.size() <= 4) {
        QRegion region;
        for (const QRect& r : rects)
            region += r;
        return region;
    }
    const size_t half = rects.size() / 2;
    return unionOf(rects.first(half)).united(unionOf(rects.subspan(half)));
}

QRect onTiles(const QRect& r) {
    return {QPoint(r.left() & ~(tile - 1), r.top() & ~(tile - 1)),
            QPoint(r.right() | (tile - 1), r.bottom() | (tile - 1))};
}

// Whole tiles make far fewer rectangles than interleaved thin pieces; only if
// they still do not, the bounding rectangle.
QRegion coarsened(const QRegion& region) {
    std::vector<QRect> tiles;
    tiles.reserve(size_t(region.rectCount()));
    for (const QRect& r : region)
        tiles.push_back(onTiles(r));
    QRegion merged = unionOf(tiles);
    return merged.rectCount() > mostTiles ? QRegion(merged.boundingRect()) : merged;
}
} // namespace

const QRegion& DirtyArea::region() const {
    if (m_pending.empty()) return m_region;
    // Many pieces (a large box's outline, old and new) go on the tile grid
    // before they are merged: thin pieces that interleave make regions of
    // ever more rectangles, and merging those costs more the larger the box.
    if (m_pending.size() > size_t(mostRects))
        for (QRect& r : m_pending)
            r = onTiles(r);
    const auto order = [](const QRect& a, const QRect& b) {
        return std::tuple(a.top(), a.left(), a.bottom(), a.right()) <
               std::tuple(b.top(), b.left(), b.bottom(), b.right());
    };
    std::sort(m_pending.begin(), m_pending.end(), order);
    m_pending.erase(std::unique(m_pending.begin(), m_pending.end()), m_pending.end());
    m_region = m_region.united(unionOf(m_pending));
    m_pending.clear();
    if (m_region.rectCount() > mostRects) m_region = coarsened(m_region);
    return m_region;
}
