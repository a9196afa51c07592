#include "handart/photo/Landmarks.h"

#include <vector>

namespace {
constexpr int kHandAlpha = 129;

// Alpha is kept as is by every 32-bit format with alpha, premultiplied or not.
QImage withAlpha(const QImage& image) {
    if (image.format() == QImage::Format_RGBA8888 ||
        image.format() == QImage::Format_ARGB32_Premultiplied ||
        image.format() == QImage::Format_ARGB32)
        return image;
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

int alphaOffset(QImage::Format format) {
    // RGBA8888 keeps alpha in the fourth byte; ARGB32 is a native 0xAARRGGBB word.
    if (format == QImage::Format_RGBA8888) return 3;
    return Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? 3 : 0;
}

void handColumns(const QImage& image, int row, int offset, std::vector<int>& out) {
    out.clear();
    const uchar* line = image.constScanLine(row);
    for (int x = 0; x < image.width(); ++x)
        if (line[4 * x + offset] >= kHandAlpha) out.push_back(x);
}
} // namespace

Landmarks Landmarks::find(const QImage& cutOut) {
    const int width = cutOut.width();
    const int height = cutOut.height();
    Landmarks found{QPointF(width / 2.0, 0), QPointF(width / 2.0, height)};
    if (cutOut.isNull()) return found;

    const QImage image = withAlpha(cutOut);
    const int offset = alphaOffset(image.format());
    std::vector<int> columns;
    columns.reserve(width);

    for (int row = 0; row < height; ++row) {
        handColumns(image, row, offset, columns);
        if (columns.empty()) continue;
        found.tip = QPointF(columns[columns.size() / 2], row);
        break;
    }
    for (int row = height - 1; row >= 0; --row) {
        handColumns(image, row, offset, columns);
        if (columns.size() <= 3) continue;
        found.wrist = QPointF((columns.front() + columns.back()) / 2.0, row);
        break;
    }
    return found;
}
