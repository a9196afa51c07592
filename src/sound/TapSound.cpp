#include "sound/TapSound.h"

#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

// Every operation below is single precision and written in the order of the
// sound's formula, so the samples are the same bit for bit on every run. The
// file is compiled without floating-point contraction (see sources.cmake).

namespace {
constexpr float rate = 44100.0f;
// Rounded constants of the original recipe; changing them changes the sounds.
constexpr float twoPi = 6.283185f;
constexpr float pi = 3.1415925f;

int sampleCount(TapSound sound) {
    switch (sound) {
    case TapSound::pop:
        return 3969;
    case TapSound::tick:
        return 1543;
    case TapSound::boop:
        return 7056;
    case TapSound::knock:
        return 5292;
    case TapSound::blip:
        return 3087;
    case TapSound::chime:
        return 15435;
    }
    return 0;
}

// Deterministic noise in -1…1: the same sequence from the same seed every time.
class Noise {
  public:
    float next() {
        m_state = m_state * 1664525u + 1013904223u;
        return float(m_state >> 8) / 8388608.0f - 1.0f;
    }

  private:
    std::uint32_t m_state = 7;
};

// Per-sample state that carries over from one sample to the next.
struct Voice {
    Noise noise;
    float phase = 0.0f;
};

float pop(float t, Voice& v) {
    const float f = 900.0f - 520.0f * t / 0.09f;
    v.phase += twoPi * f / rate;
    return std::min(900.0f * t, 1.0f) * std::exp(-48.0f * t) * std::sin(v.phase);
}

float tick(float t, float noise) {
    return std::exp(-160.0f * t) * (0.5f * std::sin(20106.191f * t) + 0.6f * noise);
}

float boop(float t, Voice& v) {
    const float u = t / 0.16f;
    v.phase += twoPi * (420.0f + 180.0f * std::sin(pi * u)) / rate;
    const float envelope = std::sin(pi * std::min(1.1f * u, 1.0f));
    return envelope * std::sin(v.phase) * 0.9f;
}

float knock(float t, float noise) {
    return std::exp(-38.0f * t) *
           (0.8f * std::sin(1130.9733f * t) + 0.35f * std::sin(2576.106f * t) +
            0.25f * std::exp(-200.0f * t) * noise);
}

float blip(float t) {
    const float u = t / 0.07f;
    const float omega = u < 0.5f ? 8293.805f : 11058.405f;
    const float wave = std::sin(omega * t) > 0.0f ? 0.35f : -0.35f;
    return (1.0f - u) * wave;
}

float chime(float t) {
    return std::min(600.0f * t, 1.0f) * std::exp(-11.0f * t) *
           (0.55f * std::sin(6575.353f * t) + 0.3f * std::sin(9852.034f * t) +
            0.15f * std::sin(13150.706f * t));
}

float sampleAt(TapSound sound, float t, Voice& v) {
    // The generator advances on every sample, whether or not the sound uses it.
    const float noise = v.noise.next();
    switch (sound) {
    case TapSound::pop:
        return pop(t, v);
    case TapSound::tick:
        return tick(t, noise);
    case TapSound::boop:
        return boop(t, v);
    case TapSound::knock:
        return knock(t, noise);
    case TapSound::blip:
        return blip(t);
    case TapSound::chime:
        return chime(t);
    }
    return 0.0f;
}

// The RIFF size field (data bytes + 36) must fit in 32 bits.
constexpr std::size_t maxWavSamples = (std::numeric_limits<std::uint32_t>::max() - 36u) / 2u;
static_assert(2 * maxWavSamples + 36 <= std::numeric_limits<std::uint32_t>::max());
static_assert(2 * (maxWavSamples + 1) + 36 > std::numeric_limits<std::uint32_t>::max());

// -1…1, where anything not below 1 (NaN too) is 1, then scaled and truncated.
qint16 pcm16(float s) {
    const float clamped = !(s < 1.0f) ? 1.0f : (s < -1.0f ? -1.0f : s);
    return qint16(clamped * 30000.0f);
}

void put32(char* at, std::uint32_t value) {
    qToLittleEndian<quint32>(value, at);
}
void put16(char* at, std::uint16_t value) {
    qToLittleEndian<quint16>(value, at);
}
} // namespace

namespace TapSynth {

std::vector<float> samples(TapSound sound) {
    const int count = sampleCount(sound);
    std::vector<float> out;
    out.reserve(count);
    Voice voice;
    for (int n = 0; n < count; ++n) {
        const float t = float(n) / rate;
        out.push_back(sampleAt(sound, t, voice));
    }
    return out;
}

QByteArray pcm(const std::vector<float>& samples) {
    QByteArray out(qsizetype(2 * samples.size()), Qt::Uninitialized);
    char* data = out.data();
    for (const float s : samples) {
        qToLittleEndian<qint16>(pcm16(s), data);
        data += 2;
    }
    return out;
}

QByteArray wav(const std::vector<float>& samples) {
    // A longer list cannot be described by the header; no file beats a corrupt one.
    if (samples.size() > maxWavSamples) return {};
    const auto dataBytes = std::uint32_t(2 * samples.size());
    QByteArray out(44, Qt::Uninitialized);
    char* p = out.data();
    std::copy_n("RIFF", 4, p);
    put32(p + 4, dataBytes + 36);
    std::copy_n("WAVEfmt ", 8, p + 8);
    put32(p + 16, 16);             // format chunk size
    put16(p + 20, 1);              // integer PCM
    put16(p + 22, 1);              // mono
    put32(p + 24, sampleRate);     // samples per second
    put32(p + 28, sampleRate * 2); // bytes per second
    put16(p + 32, 2);              // bytes per frame
    put16(p + 34, 16);             // bits per sample
    std::copy_n("data", 4, p + 36);
    put32(p + 40, dataBytes);
    return out + pcm(samples);
}

} // namespace TapSynth
