#pragma once
#include <QAudio>
#include <QByteArray>
#include <QObject>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <functional>
#include <memory>

class QAudioSink;
class QIODevice;

// Told, on the audio thread, how long after its request a start handed the
// first samples to the sound output.
using StartObserver = std::function<void(std::chrono::nanoseconds)>;

// Plays one sound's samples on the default output. Lives on the audio thread:
// opening a stream waits for the sound server, which may be slow or stuck.
class SinkPlayer : public QObject {
    Q_OBJECT

  public:
    using Clock = std::chrono::steady_clock;

    SinkPlayer(QByteArray pcm, StartObserver observer);
    ~SinkPlayer() override;

    // Safe from any thread.
    bool isPlaying() const { return m_playing.load(std::memory_order_relaxed); }

    // Audio thread only. A request that waited too long is dropped: a tap
    // sound heard a second late is worse than none.
    void restart(float volume, Clock::time_point requested);
    void halt();

  private:
    bool ensureSink();
    void feed();
    void stateChanged(QAudio::State state);

    const QByteArray m_pcm;
    const StartObserver m_observer;
    std::unique_ptr<QAudioSink> m_sink;
    QByteArray m_deviceId;
    QIODevice* m_out = nullptr;
    qsizetype m_written = 0;
    int m_feedTicks = 0;
    QTimer m_feeder{this};  // for outputs that take the sound in parts
    QTimer m_release{this}; // gives the server its stream back after the sound
    std::atomic<bool> m_playing{false};
};
