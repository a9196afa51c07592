#include "sound/SinkVoices.h"

#include "sound/ExitGuard.h"
#include "sound/QuietAudioLog.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <mutex>

// Requests on their way to the audio thread. If that thread is stuck inside
// the sound server, new requests are dropped instead of piling up.
struct AudioMailbox {
    static constexpr int maxPending = 64;
    std::atomic<int> pending{0};
};

namespace {
constexpr int shutDownWaitMs = 500;

class SinkVoice final : public Voice {
  public:
    SinkVoice(SinkPlayer* player, std::shared_ptr<AudioMailbox> mailbox)
        : m_player(player), m_mailbox(std::move(mailbox)) {}
    ~SinkVoice() override { m_player->deleteLater(); }

    bool isPlaying() const override { return m_player->isPlaying(); }
    void stop() override {
        post([player = m_player] { player->halt(); });
    }
    void setVolume(float volume) override { m_volume = volume; }
    void start() override {
        post([player = m_player, volume = m_volume, at = SinkPlayer::Clock::now()] {
            player->restart(volume, at);
        });
    }

  private:
    template <typename Work> void post(Work work) {
        if (m_mailbox->pending.load() >= AudioMailbox::maxPending) return;
        m_mailbox->pending.fetch_add(1);
        QMetaObject::invokeMethod(
            m_player,
            [mailbox = m_mailbox, work] {
                mailbox->pending.fetch_sub(1);
                work();
            },
            Qt::QueuedConnection);
    }

    SinkPlayer* m_player; // lives on the audio thread; deleted there
    std::shared_ptr<AudioMailbox> m_mailbox;
    float m_volume = 1.0f;
};
} // namespace

SinkVoiceFactory::SinkVoiceFactory()
    : m_thread(new QThread), m_mailbox(std::make_shared<AudioMailbox>()) {
    QuietAudioLog::install();
    m_thread->setObjectName(QStringLiteral("Handwick audio"));
    m_anchor = new QObject;
    m_anchor->moveToThread(m_thread);
    QObject::connect(m_thread, &QThread::finished, m_anchor, &QObject::deleteLater);
    m_thread->start();
    if (auto* app = QCoreApplication::instance();
        app && app->thread() == QThread::currentThread()) {
        m_quitWatch = std::make_unique<QObject>();
        QObject::connect(app, &QCoreApplication::aboutToQuit, m_quitWatch.get(),
                         [this] { shutDown(); });
    }
}

SinkVoiceFactory::~SinkVoiceFactory() {
    shutDown();
}

std::unique_ptr<Voice> SinkVoiceFactory::make(const QByteArray& pcm) {
    if (pcm.isEmpty() || !m_thread) return nullptr;
    auto* player = new SinkPlayer(pcm, m_observer);
    player->moveToThread(m_thread);
    return std::make_unique<SinkVoice>(player, m_mailbox);
}

void SinkVoiceFactory::shutDown() {
    if (!m_thread) return;
    // Queued behind the requests already made, so that those are carried out.
    QMetaObject::invokeMethod(
        m_anchor, [thread = m_thread] { thread->quit(); }, Qt::QueuedConnection);
    // A thread stuck in the sound server cannot be ended safely: leave it be.
    if (m_thread->wait(QDeadlineTimer(shutDownWaitMs)))
        delete m_thread;
    else
        ExitGuard::skipLibraryCleanUp();
    m_thread = nullptr;
    m_anchor = nullptr;
}
