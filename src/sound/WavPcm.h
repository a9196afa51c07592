#pragma once
#include <QByteArray>

namespace WavPcm {
// The sample bytes of a 16-bit mono 44.1 kHz PCM WAV file with the plain
// 44-byte header (the layout TapSynth::wav writes); empty for anything else.
QByteArray samples(const QByteArray& wav);
} // namespace WavPcm
