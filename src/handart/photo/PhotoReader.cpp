#include "handart/photo/PhotoReader.h"
#include "handart/photo/HeifReader.h"

#include <QColorSpace>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <algorithm>

namespace {
// Vector formats can claim any size and cost; a hand photo is a raster image.
bool isRasterFormat(const QByteArray& format) {
    return !format.isEmpty() && format != "svg" && format != "svgz";
}

int bytesPerPixel(QImage::Format format) {
    if (format == QImage::Format_Invalid) return 8; // unknown: assume the widest
    return std::max(1, QImage::toPixelFormat(format).bitsPerPixel() / 8);
}

PhotoReader::JpegLayout jpegLayout(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    const qint64 size = file.size();
    const uchar* data = size > 0 ? file.map(0, size) : nullptr;
    if (!data) return {};
    const PhotoReader::JpegLayout layout = PhotoReader::inspectJpeg(data, size);
    file.unmap(const_cast<uchar*>(data));
    return layout;
}

bool isStandalone(uchar marker) {
    return marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7);
}

// After a start-of-scan header: the position of the next marker that is
// neither byte stuffing nor a restart marker, or `size` when none is left.
qint64 skipEntropyData(const uchar* data, qint64 size, qint64 pos) {
    while (pos + 1 < size) {
        if (data[pos] != 0xFF) {
            ++pos;
            continue;
        }
        const uchar next = data[pos + 1];
        if (next == 0x00 || isStandalone(next))
            pos += 2;
        else if (next == 0xFF)
            pos += 1;
        else
            return pos;
    }
    return size;
}
// 8-bit RGBA in sRGB, whatever the file held.
std::optional<QImage> normalised(std::optional<QImage> image) {
    if (!image || image->isNull()) return std::nullopt;
    image->convertTo(QImage::Format_RGBA8888);
    const QColorSpace space = image->colorSpace();
    if (space.isValid() && space != QColorSpace::SRgb)
        image->convertToColorSpace(QColorSpace::SRgb);
    image->setColorSpace(QColorSpace::SRgb);
    if (image->isNull()) return std::nullopt;
    return image;
}
} // namespace

QStringList PhotoReader::mimeTypes() {
    QStringList out;
    for (const QByteArray& type : QImageReader::supportedMimeTypes())
        if (!type.startsWith("image/svg")) out << QString::fromLatin1(type);
    for (const QString& type : HeifReader::mimeTypes())
        if (!out.contains(type)) out << type;
    return out;
}

PhotoReader::JpegLayout PhotoReader::inspectJpeg(const uchar* data, qint64 size) {
    JpegLayout layout;
    if (size < 4 || data[0] != 0xFF || data[1] != 0xD8) return layout;
    qint64 pos = 2;
    while (pos + 1 < size) {
        if (data[pos] != 0xFF) { // stray bytes between segments: libjpeg skips them too
            ++pos;
            continue;
        }
        const uchar marker = data[pos + 1];
        if (marker == 0xD9) {
            layout.complete = true;
            return layout;
        }
        if (marker == 0xFF || isStandalone(marker)) {
            pos += marker == 0xFF ? 1 : 2;
            continue;
        }
        if (pos + 4 > size) return layout;
        const int length = (data[pos + 2] << 8) | data[pos + 3];
        if (length < 2) return layout;
        // Start-of-frame markers 2, 6, 10 and 14 are the progressive ones.
        if (marker == 0xC2 || marker == 0xC6 || marker == 0xCA || marker == 0xCE)
            layout.progressive = true;
        pos += 2 + length;
        if (marker == 0xDA) pos = skipEntropyData(data, size, pos);
    }
    return layout;
}

std::optional<QImage> PhotoReader::read(const QString& path, const Limits& limits) {
    if (!QFileInfo(path).isFile()) return std::nullopt;

    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QByteArray format = reader.format();
    if (format.isEmpty() && HeifReader::canRead(path))
        return normalised(HeifReader::read(path, limits));
    if (!isRasterFormat(format)) return std::nullopt;

    // Refuse what would need absurd memory before a single pixel is decoded.
    const QSize size = reader.size();
    if (size.isValid()) {
        if (size.isEmpty() || size.width() > limits.maxSide || size.height() > limits.maxSide)
            return std::nullopt;
        const qint64 pixels = qint64(size.width()) * size.height();
        if (pixels > limits.maxPixels) return std::nullopt;

        int divisor = 1;
        const int longSide = std::max(size.width(), size.height());
        if (format == "jpeg")
            while (divisor < 8 && longSide / (divisor * 2) >= limits.workingSide)
                divisor *= 2;
        if (divisor > 1)
            // Exactly libjpeg's reduced size, so the handler adds no rescaling.
            reader.setScaledSize(QSize((size.width() + divisor - 1) / divisor,
                                       (size.height() + divisor - 1) / divisor));
        // Whatever the file holds, it ends up as 4 bytes a pixel.
        const qint64 decoded = pixels / (qint64(divisor) * divisor);
        if (decoded * std::max(4, bytesPerPixel(reader.imageFormat())) > limits.maxDecodedBytes)
            return std::nullopt;
    }
    if (format == "jpeg") {
        const JpegLayout layout = jpegLayout(path);
        if (!layout.complete) return std::nullopt;
        if (layout.progressive && (!size.isValid() || qint64(size.width()) * size.height() * 8 >
                                                          limits.maxCoefficientBytes))
            return std::nullopt;
    }
    // Also covers handlers that cannot tell the size in advance.
    reader.setAllocationLimit(int(std::max<qint64>(1, limits.maxDecodedBytes >> 20)));

    QImage image;
    if (!reader.read(&image) || image.isNull()) return std::nullopt;
    return normalised(image);
}
