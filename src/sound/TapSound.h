#pragma once
#include "common/RawEnum.h"
#include <QByteArray>
#include <vector>

enum class TapSound { pop, tick, boop, knock, blip, chime };

template <> struct RawEnumTraits<TapSound> {
    static constexpr const char* context = "TapSound";
    static constexpr std::array<RawEnumCase<TapSound>, 6> cases{{
        {TapSound::pop, "pop", QT_TRANSLATE_NOOP("TapSound", "Pop")},
        {TapSound::tick, "tick", QT_TRANSLATE_NOOP("TapSound", "Tick")},
        {TapSound::boop, "boop", QT_TRANSLATE_NOOP("TapSound", "Boop")},
        {TapSound::knock, "knock", QT_TRANSLATE_NOOP("TapSound", "Knock")},
        {TapSound::blip, "blip", QT_TRANSLATE_NOOP("TapSound", "Blip")},
        {TapSound::chime, "chime", QT_TRANSLATE_NOOP("TapSound", "Chime")},
    }};
};

namespace TapSynth {
constexpr int sampleRate = 44100;

// The sound's mono samples, nominally in -1…1, computed in single precision so
// the result is identical on every run and every machine.
std::vector<float> samples(TapSound sound);

// The samples as 16-bit little-endian PCM: each clamped to -1…1 (NaN as 1),
// scaled by 30000 and truncated. What the sound output plays.
QByteArray pcm(const std::vector<float>& samples);

// A complete 16-bit mono 44.1 kHz WAV file: a plain 44-byte header, then pcm().
// Empty when the header cannot describe that many samples.
QByteArray wav(const std::vector<float>& samples);
} // namespace TapSynth
