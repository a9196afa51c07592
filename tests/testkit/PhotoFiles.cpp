#include "PhotoFiles.h"

#include <QBuffer>
#include <QFile>
#include <QImageWriter>

namespace PhotoFiles {
namespace {
void bigEndian32(QByteArray& out, quint32 value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.append(char((value >> shift) & 0xFF));
}

quint32 crc32(const QByteArray& bytes) {
    quint32 crc = 0xFFFFFFFFu;
    for (const char c : bytes) {
        crc ^= quint8(c);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void pngChunk(QByteArray& out, const char* type, const QByteArray& data) {
    bigEndian32(out, quint32(data.size()));
    const QByteArray body = QByteArray(type) + data;
    out.append(body);
    bigEndian32(out, crc32(body));
}
} // namespace

bool write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray encode(const QImage& image, const char* format, int quality) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, quality);
    return bytes;
}

QByteArray pngHeaderOnly(quint32 width, quint32 height) {
    QByteArray out("\x89PNG\r\n\x1a\n", 8);
    QByteArray header;
    bigEndian32(header, width);
    bigEndian32(header, height);
    header.append("\x08\x06\x00\x00\x00", 5); // 8-bit RGBA, not interlaced
    pngChunk(out, "IHDR", header);
    pngChunk(out, "IDAT", qCompress(QByteArray(64, '\0')).mid(4)); // zlib stream only
    pngChunk(out, "IEND", {});
    return out;
}

QByteArray progressiveJpeg(const QImage& image, QSize claimed) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "JPEG");
    writer.setProgressiveScanWrite(true);
    writer.write(image);
    const qsizetype frame = bytes.indexOf("\xFF\xC2");
    if (frame >= 0) {
        bytes[frame + 5] = char(claimed.height() >> 8);
        bytes[frame + 6] = char(claimed.height() & 0xFF);
        bytes[frame + 7] = char(claimed.width() >> 8);
        bytes[frame + 8] = char(claimed.width() & 0xFF);
    }
    return bytes;
}
} // namespace PhotoFiles
