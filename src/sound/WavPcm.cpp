#include "sound/WavPcm.h"

#include <QtEndian>

namespace {
constexpr qsizetype headerBytes = 44;

quint32 u32At(const QByteArray& bytes, qsizetype offset) {
    return qFromLittleEndian<quint32>(bytes.constData() + offset);
}
quint16 u16At(const QByteArray& bytes, qsizetype offset) {
    return qFromLittleEndian<quint16>(bytes.constData() + offset);
}
bool tagAt(const QByteArray& bytes, qsizetype offset, const char* tag) {
    return bytes.sliced(offset, 4) == QByteArray::fromRawData(tag, 4);
}
} // namespace

namespace WavPcm {
QByteArray samples(const QByteArray& wav) {
    if (wav.size() < headerBytes) return {};
    const bool layout = tagAt(wav, 0, "RIFF") && tagAt(wav, 8, "WAVE") && tagAt(wav, 12, "fmt ") &&
                        u32At(wav, 16) == 16 && tagAt(wav, 36, "data");
    const bool format = u16At(wav, 20) == 1 && u16At(wav, 22) == 1 && u32At(wav, 24) == 44100 &&
                        u16At(wav, 32) == 2 && u16At(wav, 34) == 16;
    if (!layout || !format) return {};
    // The data size is trusted only as far as the bytes actually go.
    const quint32 dataBytes = u32At(wav, 40);
    if (dataBytes % 2 != 0 || dataBytes > quint64(wav.size() - headerBytes)) return {};
    return wav.sliced(headerBytes, dataBytes);
}
} // namespace WavPcm
