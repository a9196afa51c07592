#pragma once
#include "sound/SinkPlayer.h"
#include "sound/Voice.h"

#include <memory>

class QObject;
class QThread;
struct AudioMailbox;

// Voices on the default sound output, played from a thread of their own so
// that a slow, stuck or vanished sound server never holds up the main thread.
// Without an output the voices stay silent. The audio thread ends when the
// application is about to quit, before the application object goes away.
class SinkVoiceFactory final : public VoiceFactory {
  public:
    SinkVoiceFactory();
    ~SinkVoiceFactory() override;
    SinkVoiceFactory(const SinkVoiceFactory&) = delete;
    SinkVoiceFactory& operator=(const SinkVoiceFactory&) = delete;

    std::unique_ptr<Voice> make(const QByteArray& pcm) override;

    // For measurements; applies to voices made afterwards.
    void setStartObserver(StartObserver observer) { m_observer = std::move(observer); }

    // Carries out the requests already made and ends the audio thread, waiting
    // a moment at most; the voices fall silent.
    void shutDown();

  private:
    QThread* m_thread = nullptr;
    QObject* m_anchor = nullptr; // lives on the audio thread
    std::shared_ptr<AudioMailbox> m_mailbox;
    StartObserver m_observer;
    std::unique_ptr<QObject> m_quitWatch; // main thread: ends the audio thread on quit
};
