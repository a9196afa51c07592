#pragma once
#include <QByteArray>
#include <QImage>
#include <QString>
#include <vector>

// Picture files of the kinds users bring, written byte by byte where Qt
// cannot write them itself.
namespace PhotoFiles {
bool write(const QString& path, const QByteArray& bytes);
QByteArray encode(const QImage& image, const char* format, int quality = -1);

// A PNG whose header claims `width` × `height` and whose data is almost nothing.
QByteArray pngHeaderOnly(quint32 width, quint32 height);
// An animated GIF, each frame in the four colours of the made-up photos.
QByteArray animatedGif(const std::vector<QImage>& frames);
// A JPEG that stores `upright` turned a quarter to the left, with the EXIF
// orientation (6) that turns it back for display.
QByteArray sidewaysJpeg(const QImage& upright);
// A progressive JPEG of `image`; with a size, its header claims that size instead.
QByteArray progressiveJpeg(const QImage& image, QSize claimed = {});
// A four-channel (Adobe CMYK) JPEG; empty when built without libjpeg.
QByteArray cmykJpeg(const QImage& image);
} // namespace PhotoFiles
