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

// The union of rectangles on the tile grid, found by marking the tiles they
// cover: rows of tiles become runs, and runs the same as the row above only
// grow taller.
QRegion tiledUnion(const std::vector<QRect>& rects) {
    QRect box;
    for (const QRect& r : rects)
        box |= r;
    const int columns = box.width() / tile, rows = box.height() / tile;
    std::vector<char> marked(size_t(columns) * size_t(rows), 0);
    for (const QRect& r : rects)
        for (int y = (r.top() - box.top()) / tile; y <= (r.bottom() - box.top()) / tile; ++y)
            std::fill_n(marked.begin() + y * columns + (r.left() - box.left()) / tile,
                        r.width() / tile, 1);
    std::vector<QRect> bands, above;
    for (int y = 0; y < rows; ++y) {
        std::vector<QRect> row;
        for (int x = 0; x < columns;) {
            if (!marked[size_t(y * columns + x)]) {
                ++x;
                continue;
            }
            const int from = x;
            while (x < columns && marked[size_t(y * columns + x)])
                ++x;
            row.emplace_back(box.left() + from * tile, box.top() + y * tile, (x - from) * tile,
                             tile);
        }
        const auto sameRuns = [&] {
            if (row.size() != above.size()) return false;
            for (size_t i = 0; i < row.size(); ++i)
                if (row[i].left() != above[i].left() || row[i].right() != above[i].right())
                    return false;
            return true;
        };
        if (!row.empty() && sameRuns()) {
            for (size_t i = 0; i < row.size(); ++i)
                bands[bands.size() - row.size() + i].setBottom(row[i].bottom());
        } else {
            bands.insert(bands.end(), row.begin(), row.end());
        }
        above = std::move(row);
    }
    QRegion region;
    region.setRects(bands.data(), int(bands.size()));
    return region;
}
// Tiles still too many (the thin outline of a large box) give way to the
// bounding rectangle.
QRegion capped(const QRegion& tiled) {
    return tiled.rectCount() > mostTiles ? QRegion(tiled.boundingRect()) : tiled;
}

// Whole tiles make far fewer rectangles than interleaved thin pieces.
QRegion coarsened(const QRegion& region) {
    std::vector<QRect> tiles;
    tiles.reserve(size_t(region.rectCount()));
    for (const QRect& r : region)
        tiles.push_back(onTiles(r));
    return capped(tiledUnion(tiles));
}
} // namespace

const QRegion& DirtyArea::region() const {
    if (m_pending.empty()) return m_region;
    // Many pieces (a large box's outline, old and new) go on the tile grid
    // before they are merged: thin pieces that interleave make regions of
    // ever more rectangles, and merging those costs more the larger the box.
    const bool tiled = m_pending.size() > size_t(mostRects / 2);
    QRegion fresh;
    if (tiled) {
        for (QRect& r : m_pending)
            r = onTiles(r);
        fresh = tiledUnion(m_pending);
    } else {
        const auto order = [](const QRect& a, const QRect& b) {
            return std::tuple(a.top(), a.left(), a.bottom(), a.right()) <
                   std::tuple(b.top(), b.left(), b.bottom(), b.right());
        };
        std::sort(m_pending.begin(), m_pending.end(), order);
        m_pending.erase(std::unique(m_pending.begin(), m_pending.end()), m_pending.end());
        fresh = unionOf(m_pending);
    }
    m_pending.clear();
    // Already on the grid, the region only needs its size checked.
    const bool onGrid = tiled && m_region.isEmpty();
    m_region = m_region.isEmpty() ? fresh : m_region.united(fresh);
    if (m_region.rectCount() > mostRects)
        m_region = onGrid ? capped(m_region) : coarsened(m_region);
    return m_region;
}
