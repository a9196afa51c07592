#pragma once
#include <QByteArray>
#include <memory>

// One restartable player of one sound. The bank drives it from the main thread;
// every call returns at once, whatever the sound output is doing.
class Voice {
  public:
    virtual ~Voice() = default;
    virtual bool isPlaying() const = 0;
    virtual void stop() = 0;
    // Linear, 0…1; applies to the next start.
    virtual void setVolume(float volume) = 0;
    // Plays the sound from its beginning.
    virtual void start() = 0;
};

class VoiceFactory {
  public:
    virtual ~VoiceFactory() = default;
    // A voice for 16-bit mono 44.1 kHz samples, or none when it cannot be made.
    virtual std::unique_ptr<Voice> make(const QByteArray& pcm) = 0;
};
