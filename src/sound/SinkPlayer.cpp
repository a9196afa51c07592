#include "sound/SinkPlayer.h"
#include "sound/ExitGuard.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>

namespace {
constexpr auto staleAfter = std::chrono::milliseconds(250);
// About 23 ms: low latency, and the whole sound is written at once anyway.
constexpr qsizetype bufferBytes = 2048;
constexpr int feedIntervalMs = 10;
constexpr int maxFeedTicks = 200; // two seconds: longer than any tap sound
constexpr int releaseAfterMs = 1000;

QAudioFormat pcmFormat() {
    QAudioFormat format;
    format.setSampleRate(44100);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    return format;
}
} // namespace

SinkPlayer::SinkPlayer(QByteArray pcm, StartObserver observer)
    : m_pcm(std::move(pcm)), m_observer(std::move(observer)) {
    m_feeder.setInterval(feedIntervalMs);
    m_feeder.setTimerType(Qt::PreciseTimer);
    connect(&m_feeder, &QTimer::timeout, this, &SinkPlayer::feed);
    m_release.setSingleShot(true);
    m_release.setInterval(releaseAfterMs);
    connect(&m_release, &QTimer::timeout, this, &SinkPlayer::halt);
}

SinkPlayer::~SinkPlayer() = default;

bool SinkPlayer::ensureSink() {
    // Asked every time, so that a new default output (headphones plugged in)
    // is used from the next tap on.
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (m_sink && device.id() == m_deviceId) return true;
    m_sink.reset();
    m_out = nullptr;
    if (device.isNull() || !device.isFormatSupported(pcmFormat())) return false;
    m_sink = std::make_unique<QAudioSink>(device, pcmFormat());
    m_deviceId = device.id();
    // The sound library is set up now; from here on the process must not run
    // its clean-up at exit while this thread may still be inside it.
    ExitGuard::skipLibraryCleanUp();
    connect(m_sink.get(), &QAudioSink::stateChanged, this, &SinkPlayer::stateChanged);
    return true;
}

void SinkPlayer::restart(float volume, Clock::time_point requested) {
    m_release.stop();
    m_feeder.stop();
    if (Clock::now() - requested > staleAfter) return;
    if (!ensureSink()) return;
    m_sink->stop();
    m_out = nullptr;
    m_written = 0;
    m_feedTicks = 0;
    // Set every time: the output otherwise shrinks its buffer on each restart.
    m_sink->setBufferSize(bufferBytes);
    m_sink->setVolume(volume);
    m_out = m_sink->start();
    if (!m_out) return;
    // Opening the stream waits for the server; a sound it made late is dropped too.
    if (Clock::now() - requested > staleAfter) {
        halt();
        return;
    }
    feed();
    if (m_written > 0 && m_observer) m_observer(Clock::now() - requested);
}

void SinkPlayer::feed() {
    if (!m_out || !m_sink || m_sink->state() == QAudio::StoppedState) {
        m_feeder.stop();
        return;
    }
    while (m_written < m_pcm.size()) {
        const qint64 taken = m_out->write(m_pcm.constData() + m_written, m_pcm.size() - m_written);
        if (taken <= 0) break;
        m_written += taken;
    }
    m_playing.store(m_written > 0, std::memory_order_relaxed);
    const bool done = m_written >= m_pcm.size() || ++m_feedTicks > maxFeedTicks;
    if (done)
        m_feeder.stop();
    else if (!m_feeder.isActive())
        m_feeder.start();
}

void SinkPlayer::halt() {
    m_release.stop();
    m_feeder.stop();
    if (m_sink) m_sink->stop();
    m_out = nullptr;
    m_playing.store(false, std::memory_order_relaxed);
}

void SinkPlayer::stateChanged(QAudio::State state) {
    switch (state) {
    case QAudio::ActiveState:
        m_playing.store(true, std::memory_order_relaxed);
        break;
    case QAudio::IdleState:
        // Idle also comes right after a start, before any sample is written.
        if (m_written < m_pcm.size()) break;
        m_playing.store(false, std::memory_order_relaxed);
        m_release.start();
        break;
    case QAudio::StoppedState:
    case QAudio::SuspendedState:
        m_feeder.stop();
        m_playing.store(false, std::memory_order_relaxed);
        break;
    }
}
