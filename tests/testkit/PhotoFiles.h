#pragma once
#include <QByteArray>
#include <QImage>
#include <QString>

// Picture files of the kinds users bring, written byte by byte where Qt
// cannot write them itself.
namespace PhotoFiles {
bool write(const QString& path, const QByteArray& bytes);
QByteArray encode(const QImage& image, const char* format, int quality = -1);

// A PNG whose header claims `width` × `height` and whose data is almost nothing.
QByteArray pngHeaderOnly(quint32 width, quint32 height);
// A progressive JPEG of `image` whose header claims the size `claimed` instead.
QByteArray progressiveJpeg(const QImage& image, QSize claimed);
} // namespace PhotoFiles
