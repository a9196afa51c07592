#pragma once
// The area a root must repaint, gathered from many small rectangles per frame
// (a moving stick alone marks dozens of pieces, old and new, several times
// over). Adding one rectangle at a time to a QRegion costs time in the size
// of the region for every rectangle; here rectangles are only collected, and
// merged once, when the region is asked for.

#include <QRect>
#include <QRegion>
#include <vector>

class DirtyArea {
  public:
    void add(const QRect& rect) {
        if (rect.isEmpty()) return;
        m_pending.push_back(rect);
        if (m_pending.size() >= foldAt) region(); // a root nobody paints stays small
    }
    // Everything added since clear(). A region of very many rectangles is
    // coarsened: clipping to it would cost more than painting a little extra.
    const QRegion& region() const;
    bool isEmpty() const { return m_pending.empty() && m_region.isEmpty(); }
    void clear() {
        m_pending.clear();
        m_region = QRegion();
    }

  private:
    static constexpr size_t foldAt = 4096;
    mutable std::vector<QRect> m_pending;
    mutable QRegion m_region;
};
