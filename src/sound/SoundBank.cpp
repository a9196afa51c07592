#include "sound/SoundBank.h"

#include "sound/SinkVoices.h"

std::unique_ptr<VoiceFactory> defaultVoiceFactory() {
    return std::make_unique<SinkVoiceFactory>();
}

SoundBank::SoundBank(std::unique_ptr<VoiceFactory> factory, QObject* parent)
    : QObject(parent), m_factory(std::move(factory)) {}

SoundBank::~SoundBank() = default;

std::vector<std::unique_ptr<Voice>>& SoundBank::voicesFor(TapSound sound) {
    auto found = m_voices.find(sound);
    if (found != m_voices.end()) return found->second;
    // The entry is kept even when no voice could be made, so that a machine
    // without sound does not synthesise again on every tap.
    std::vector<std::unique_ptr<Voice>> voices;
    const QByteArray pcm = TapSynth::pcm(TapSynth::samples(sound));
    if (!pcm.isEmpty() && m_factory) {
        for (int i = 0; i < voicesPerSound; ++i)
            if (auto voice = m_factory->make(pcm)) voices.push_back(std::move(voice));
    }
    return m_voices.emplace(sound, std::move(voices)).first->second;
}

void SoundBank::play(TapSound sound, double volume) {
    auto& voices = voicesFor(sound);
    if (voices.empty()) return;
    m_next = (m_next + 1) % int(voices.size());
    Voice& voice = *voices[std::size_t(m_next)];
    if (voice.isPlaying()) voice.stop();
    voice.setVolume(float(volume));
    voice.start();
}
