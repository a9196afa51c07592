#pragma once
#include <QImage>
#include <QRectF>
#include <vector>

// The parts of a picture that are not wholly clear, as the boxes of a few
// bands of rows (image pixels, top row first, grown by a pixel for
// smoothing). A hand picture is clear beside its raised finger: damage
// marked by these bands leaves that out of every frame's repaint.
class ClearMargins {
  public:
    // The bands of `image`, worked out once per picture; none for a picture
    // too large to be worth scanning, or without an alpha channel.
    const std::vector<QRect>& bandsOf(const QImage& image) const;

  private:
    mutable qint64 m_key = 0;
    mutable std::vector<QRect> m_bands;
};
