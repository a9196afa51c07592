#include "handart/photo/HeifReader.h"
#include "handart/photo/CappedChild.h"

#include <QColorSpace>
#include <QFile>
#include <algorithm>
#include <cerrno>
#include <libheif/heif.h>
#include <memory>
#include <unistd.h>

namespace {
// libheif's objects, each freed by its own function.
struct ContextFree {
    void operator()(heif_context* c) const { heif_context_free(c); }
};
struct HandleFree {
    void operator()(heif_image_handle* h) const { heif_image_handle_release(h); }
};
struct ImageFree {
    void operator()(heif_image* i) const { heif_image_release(i); }
};

bool ok(const heif_error& error) {
    return error.code == heif_error_Ok;
}

qint64 pixels(QSize size) {
    return qint64(size.width()) * size.height();
}

bool withinLimits(QSize size, const PhotoReader::Limits& limits) {
    return size.width() > 0 && size.height() > 0 && size.width() <= limits.maxSide &&
           size.height() <= limits.maxSide && pixels(size) <= limits.maxPixels &&
           pixels(size) * 4 <= limits.maxDecodedBytes;
}

// Decoding holds up to about twice the picture's RGBA bytes at once (the
// coded planes beside the converted ones); the child may use three times
// that, plus this for libheif and its threads, and this long.
constexpr qint64 kDecoderBytes = qint64(64) << 20;
constexpr std::chrono::seconds kDecodeTimeout{30};

struct Decoding {
    const heif_image_handle* handle;
    qint64 pixels;
};
// Ahead of the rows, each width × 4 bytes, in the pipe from the child.
struct DecodedSize {
    qint32 width, height;
};

bool writeAll(int fd, const uint8_t* data, size_t size) {
    while (size > 0) {
        const ssize_t written = write(fd, data, size);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        data += written;
        size -= size_t(written);
    }
    return true;
}

// In the child: decodes, turned upright, as 8-bit RGBA, and writes the size
// and the rows. libheif and write() only.
bool decodeInto(int fd, const void* context) {
    const Decoding& job = *static_cast<const Decoding*>(context);
    heif_image* rawImage = nullptr;
    if (!ok(heif_decode_image(job.handle, &rawImage, heif_colorspace_RGB,
                              heif_chroma_interleaved_RGBA, nullptr)))
        return false;
    std::unique_ptr<heif_image, ImageFree> image(rawImage);
    int stride = 0;
    const uint8_t* plane =
        heif_image_get_plane_readonly(image.get(), heif_channel_interleaved, &stride);
    // Turned upright, the picture may be the other way round than the handle said.
    const DecodedSize size{heif_image_get_width(image.get(), heif_channel_interleaved),
                           heif_image_get_height(image.get(), heif_channel_interleaved)};
    if (!plane || size.width <= 0 || size.height <= 0 ||
        qint64(size.width) * size.height != job.pixels || stride < size.width * 4)
        return false;
    if (!writeAll(fd, reinterpret_cast<const uint8_t*>(&size), sizeof size)) return false;
    for (int y = 0; y < size.height; ++y)
        if (!writeAll(fd, plane + qint64(y) * stride, size_t(size.width) * 4)) return false;
    return true;
}

QColorSpace iccProfile(const heif_image_handle* handle) {
    const heif_color_profile_type type = heif_image_handle_get_color_profile_type(handle);
    if (type != heif_color_profile_type_prof && type != heif_color_profile_type_rICC) return {};
    const size_t size = heif_image_handle_get_raw_color_profile_size(handle);
    if (size == 0 || size > (size_t(4) << 20)) return {};
    QByteArray icc(qsizetype(size), Qt::Uninitialized);
    if (!ok(heif_image_handle_get_raw_color_profile(handle, icc.data()))) return {};
    return QColorSpace::fromIccProfile(icc);
}
} // namespace

bool HeifReader::canRead(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QByteArray head = file.read(64);
    return heif_check_filetype(reinterpret_cast<const uint8_t*>(head.constData()),
                               int(head.size())) == heif_filetype_yes_supported;
}

std::optional<QImage> HeifReader::read(const QString& path, const PhotoReader::Limits& limits) {
    std::unique_ptr<heif_context, ContextFree> context(heif_context_alloc());
    if (!context) return std::nullopt;
    // Also bounds the tiles and grids a file may declare, before any decoding.
    heif_context_set_maximum_image_size_limit(context.get(), limits.maxSide);
    if (!ok(heif_context_read_from_file(context.get(), QFile::encodeName(path).constData(),
                                        nullptr)))
        return std::nullopt;
    heif_image_handle* rawHandle = nullptr;
    if (!ok(heif_context_get_primary_image_handle(context.get(), &rawHandle))) return std::nullopt;
    std::unique_ptr<heif_image_handle, HandleFree> handle(rawHandle);

    // The picture as shown, and as stored before any cropping.
    const QSize shown(heif_image_handle_get_width(handle.get()),
                      heif_image_handle_get_height(handle.get()));
    const QSize stored(heif_image_handle_get_ispe_width(handle.get()),
                       heif_image_handle_get_ispe_height(handle.get()));
    if (!withinLimits(shown, limits) || !withinLimits(stored, limits)) return std::nullopt;
    const QColorSpace space = iccProfile(handle.get());

    // Neither size binds the decoder, which goes by what the coded picture
    // itself says: decoding happens in a child whose memory is capped, and
    // only a picture of the size shown comes back.
    const Decoding job{handle.get(), pixels(shown)};
    const qint64 budget = kDecoderBytes + 3 * 4 * std::max(job.pixels, pixels(stored));
    CappedChild child(budget, kDecodeTimeout, decodeInto, &job);
    DecodedSize size{};
    if (!child.read(&size, sizeof size) || !withinLimits({size.width, size.height}, limits) ||
        qint64(size.width) * size.height != job.pixels)
        return std::nullopt;
    QImage out(size.width, size.height, QImage::Format_RGBA8888);
    if (out.isNull()) return std::nullopt;
    for (int y = 0; y < size.height; ++y)
        if (!child.read(out.scanLine(y), qint64(size.width) * 4)) return std::nullopt;
    if (!child.finishedWell()) return std::nullopt;
    if (space.isValid()) out.setColorSpace(space);
    return out;
}

QStringList HeifReader::mimeTypes() {
    QStringList out;
    if (heif_have_decoder_for_format(heif_compression_HEVC))
        out << QStringLiteral("image/heic") << QStringLiteral("image/heif");
    if (heif_have_decoder_for_format(heif_compression_AV1)) out << QStringLiteral("image/avif");
    return out;
}
