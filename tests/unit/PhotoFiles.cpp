#include "PhotoFiles.h"

#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <QTransform>
#include <algorithm>

#ifdef HANDWICK_TEST_CMYK_JPEG
#include <cstdio>
#include <jpeglib.h>
#endif

namespace PhotoFiles {
namespace {
void bigEndian32(QByteArray& out, quint32 value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.append(char((value >> shift) & 0xFF));
}

void littleEndian16(QByteArray& out, int value) {
    out.append(char(value & 0xFF));
    out.append(char((value >> 8) & 0xFF));
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

// The four colours of the made-up photos: backdrop, skin, outline, and a plain green.
const QList<QRgb> kGifPalette{qRgb(236, 233, 228), qRgb(224, 172, 140), qRgb(172, 132, 108),
                              qRgb(120, 160, 90)};

// LZW with a clear code after every two pixels: codes stay 3 bits wide, so
// no dictionary is needed to write valid GIF data.
QByteArray gifPixels(const QImage& frame) {
    QByteArray packed;
    quint32 buffer = 0;
    int bits = 0;
    const auto put = [&](int code) {
        buffer |= quint32(code) << bits;
        bits += 3;
        while (bits >= 8) {
            packed.append(char(buffer & 0xFF));
            buffer >>= 8;
            bits -= 8;
        }
    };
    const QImage indexed = frame.convertToFormat(QImage::Format_Indexed8, kGifPalette,
                                                 Qt::ThresholdDither | Qt::AvoidDither);
    int sinceClear = 2;
    for (int y = 0; y < indexed.height(); ++y)
        for (int x = 0; x < indexed.width(); ++x) {
            if (sinceClear == 2) {
                put(4);
                sinceClear = 0;
            }
            put(indexed.pixelIndex(x, y));
            ++sinceClear;
        }
    put(5);
    if (bits > 0) packed.append(char(buffer & 0xFF));

    QByteArray blocks;
    for (qsizetype at = 0; at < packed.size(); at += 255) {
        const QByteArray block = packed.mid(at, 255);
        blocks.append(char(block.size()));
        blocks.append(block);
    }
    blocks.append('\0');
    return blocks;
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

QByteArray animatedGif(const std::vector<QImage>& frames) {
    const QSize size = frames.front().size();
    QByteArray out("GIF89a");
    littleEndian16(out, size.width());
    littleEndian16(out, size.height());
    out.append("\x91\x00\x00", 3); // global table of 4 colours
    for (const QRgb colour : kGifPalette) {
        out.append(char(qRed(colour)));
        out.append(char(qGreen(colour)));
        out.append(char(qBlue(colour)));
    }
    out.append("\x21\xFF\x0BNETSCAPE2.0\x03\x01\x00\x00\x00", 19);
    for (const QImage& frame : frames) {
        out.append("\x21\xF9\x04\x00\x0A\x00\x00\x00", 8); // 0.1 s per frame
        out.append('\x2C');
        littleEndian16(out, 0);
        littleEndian16(out, 0);
        littleEndian16(out, size.width());
        littleEndian16(out, size.height());
        out.append('\0');
        out.append('\x02'); // minimum code size
        out.append(gifPixels(frame));
    }
    out.append('\x3B');
    return out;
}

QByteArray sidewaysJpeg(const QImage& upright) {
    const QImage stored = upright.transformed(QTransform().rotate(-90));
    QByteArray jpeg = encode(stored, "JPEG", 90);
    QByteArray exif("Exif\0\0II\x2A\0\x08\0\0\0", 14);
    exif.append("\x01\x00"                         // one entry
                "\x12\x01\x03\x00\x01\x00\x00\x00" // Orientation, SHORT, 1 value
                "\x06\x00\x00\x00"                 // 6: turn right for display
                "\x00\x00\x00\x00",                // no next directory
                18);
    QByteArray segment("\xFF\xE1", 2);
    segment.append(char((exif.size() + 2) >> 8));
    segment.append(char((exif.size() + 2) & 0xFF));
    segment.append(exif);
    return jpeg.insert(2, segment);
}

QByteArray progressiveJpeg(const QImage& image, QSize claimed) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "JPEG");
    writer.setProgressiveScanWrite(true);
    writer.write(image);
    const qsizetype frame = bytes.indexOf("\xFF\xC2");
    if (claimed.isValid() && frame >= 0) {
        bytes[frame + 5] = char(claimed.height() >> 8);
        bytes[frame + 6] = char(claimed.height() & 0xFF);
        bytes[frame + 7] = char(claimed.width() >> 8);
        bytes[frame + 8] = char(claimed.width() & 0xFF);
    }
    return bytes;
}

QByteArray cmykJpeg(const QImage& image) {
#ifdef HANDWICK_TEST_CMYK_JPEG
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* data = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &data, &size);
    info.image_width = JDIMENSION(rgb.width());
    info.image_height = JDIMENSION(rgb.height());
    info.input_components = 4;
    info.in_color_space = JCS_CMYK;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 90, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<JSAMPLE> row(size_t(rgb.width()) * 4);
    while (info.next_scanline < info.image_height) {
        const auto* line =
            reinterpret_cast<const QRgb*>(rgb.constScanLine(int(info.next_scanline)));
        for (int x = 0; x < rgb.width(); ++x) {
            // Adobe's inverted CMYK with black separated out: r = k·c / 255.
            const int r = qRed(line[x]), g = qGreen(line[x]), b = qBlue(line[x]);
            const int k = std::max({r, g, b, 1});
            row[4 * x + 0] = JSAMPLE(std::min(255, r * 255 / k));
            row[4 * x + 1] = JSAMPLE(std::min(255, g * 255 / k));
            row[4 * x + 2] = JSAMPLE(std::min(255, b * 255 / k));
            row[4 * x + 3] = JSAMPLE(k);
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    QByteArray out(reinterpret_cast<const char*>(data), qsizetype(size));
    free(data);
    return out;
#else
    Q_UNUSED(image);
    return {};
#endif
}
} // namespace PhotoFiles
