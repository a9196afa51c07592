#pragma once
// Phone photos in HEIF containers (HEIC, and AVIF where a decoder is
// installed), which Qt cannot read by itself, decoded through libheif with
// the same limits on size as every other picture. As the decoder goes by the
// coded picture's own size, it runs in a child process with capped memory.

#include "handart/photo/PhotoReader.h"

namespace HeifReader {
// Whether the file starts like a HEIF container this machine can decode.
bool canRead(const QString& path);
// The first (primary) picture, turned as the file says, as 8-bit RGBA in
// sRGB; nothing when the file is damaged, undecodable or over the limits.
std::optional<QImage> read(const QString& path, const PhotoReader::Limits& limits);
// The MIME types of the HEIF pictures this machine can decode.
QStringList mimeTypes();
} // namespace HeifReader
