#pragma once
#include "sound/TapSound.h"
#include "sound/Voice.h"

#include <QObject>
#include <map>
#include <memory>
#include <vector>

// The program's voices: the default sound output, played from an audio thread
// of its own that ends when the application is about to quit.
std::unique_ptr<VoiceFactory> defaultVoiceFactory();

// Plays the tap sounds. Each sound gets its voices on its first play; one
// rotating position, shared by all sounds, picks the voice, so quick taps
// overlap and a tap beyond the voice count cuts the oldest one short.
// Main thread only; callers check the mute switch themselves.
class SoundBank : public QObject {
    Q_OBJECT

  public:
    static constexpr int voicesPerSound = 4;

    // The program's bank, playing on the default sound output.

    // The program builds its bank with defaultVoiceFactory().
    explicit SoundBank(std::unique_ptr<VoiceFactory> factory, QObject* parent = nullptr);
    ~SoundBank() override;

    // Volume 0…1, already made safe (Prefs::volume() gives such a value).
    void play(TapSound sound, double volume);

  private:
    std::vector<std::unique_ptr<Voice>>& voicesFor(TapSound sound);

    // Declared first so that the voices go before the factory that made them.
    std::unique_ptr<VoiceFactory> m_factory;
    std::map<TapSound, std::vector<std::unique_ptr<Voice>>> m_voices;
    int m_next = 0;
};
