#pragma once
#include <QImage>
#include <QString>
#include <QStringList>
#include <optional>

// Reads a picture chosen by the user: the first image of the file, turned
// upright by its EXIF orientation, as 8-bit RGBA in sRGB. Whatever the file
// claims, memory stays bounded: dimensions are checked before any pixel is
// decoded, and large JPEGs are decoded straight at a reduced size.
namespace PhotoReader {
struct Limits {
    int maxSide = 20000;
    qint64 maxPixels = 100'000'000;
    qint64 maxDecodedBytes = qint64(128) << 20;
    // What a progressive JPEG may hold: up to 8 bytes of coefficients a pixel.
    qint64 maxCoefficientBytes = qint64(256) << 20;
    // JPEGs are decoded at 1/2, 1/4 or 1/8 size while the longer side stays at
    // least this long: plenty for a cut-out at most 600 pixels high.
    int workingSide = 2000;
};

// The MIME types of the pictures read() can read.
QStringList mimeTypes();

// Nothing when the file is missing, is no picture, is damaged or too large.
std::optional<QImage> read(const QString& path, const Limits& limits = {});

struct JpegLayout {
    // Whole when the markers lead to the end-of-image marker: libjpeg pads a
    // cut-off file with grey and reports success.
    bool complete = false;
    // A progressive JPEG keeps every coefficient of the full-size picture in
    // memory while decoding, even when asked for a reduced size.
    bool progressive = false;
};
JpegLayout inspectJpeg(const uchar* data, qint64 size);
} // namespace PhotoReader
