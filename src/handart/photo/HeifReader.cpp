#include "handart/photo/HeifReader.h"

#include <QColorSpace>
#include <QFile>
#include <cstring>
#include <libheif/heif.h>
#include <memory>

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

    const int width = heif_image_handle_get_width(handle.get());
    const int height = heif_image_handle_get_height(handle.get());
    const qint64 pixels = qint64(width) * height;
    if (width <= 0 || height <= 0 || width > limits.maxSide || height > limits.maxSide ||
        pixels > limits.maxPixels || pixels * 4 > limits.maxDecodedBytes)
        return std::nullopt;

    heif_image* rawImage = nullptr;
    if (!ok(heif_decode_image(handle.get(), &rawImage, heif_colorspace_RGB,
                              heif_chroma_interleaved_RGBA, nullptr)))
        return std::nullopt;
    std::unique_ptr<heif_image, ImageFree> image(rawImage);
    int stride = 0;
    const uint8_t* plane =
        heif_image_get_plane_readonly(image.get(), heif_channel_interleaved, &stride);
    // Turned upright, the picture may be the other way round than the handle said.
    const int outWidth = heif_image_get_width(image.get(), heif_channel_interleaved);
    const int outHeight = heif_image_get_height(image.get(), heif_channel_interleaved);
    if (!plane || outWidth <= 0 || outHeight <= 0 || qint64(outWidth) * outHeight != pixels ||
        stride < outWidth * 4)
        return std::nullopt;

    QImage out(outWidth, outHeight, QImage::Format_RGBA8888);
    if (out.isNull()) return std::nullopt;
    for (int y = 0; y < outHeight; ++y)
        std::memcpy(out.scanLine(y), plane + qint64(y) * stride, size_t(outWidth) * 4);
    const QColorSpace space = iccProfile(handle.get());
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
