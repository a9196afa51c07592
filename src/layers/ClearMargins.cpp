#include "layers/ClearMargins.h"

#include <algorithm>

namespace {
constexpr int bandCount = 8;
constexpr qint64 mostPixels = 1024 * 1024;

std::vector<QRect> bands(const QImage& source) {
    if (!source.hasAlphaChannel() || qint64(source.width()) * source.height() > mostPixels)
        return {};
    const QImage image = source.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int w = image.width(), h = image.height();
    std::vector<QRect> out;
    for (int band = 0; band < bandCount; ++band) {
        const int top = h * band / bandCount, bottom = h * (band + 1) / bandCount - 1;
        int left = w, right = -1;
        for (int y = top; y <= bottom; ++y) {
            const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            int x = 0;
            while (x < left && qAlpha(row[x]) == 0)
                ++x;
            left = std::min(left, x);
            x = w - 1;
            while (x > right && qAlpha(row[x]) == 0)
                --x;
            right = std::max(right, x);
        }
        if (right < left) continue; // all clear
        // A pixel more all round: smooth sampling reaches that far.
        out.emplace_back(QPoint(left - 1, top - 1), QPoint(right + 1, bottom + 1));
    }
    return out;
}
} // namespace

const std::vector<QRect>& ClearMargins::bandsOf(const QImage& image) const {
    if (image.cacheKey() != m_key) {
        m_key = image.cacheKey();
        m_bands = bands(image);
    }
    return m_bands;
}
