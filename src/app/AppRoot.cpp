#include "app/AppRoot.h"
#include "sound/SinkVoices.h"

#include <QCoreApplication>

namespace {
std::unique_ptr<VoiceFactory> soundOutput() {
    auto output = std::make_unique<SinkVoiceFactory>();
    // The audio thread must finish before the application object goes away.
    QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit,
                     [voices = output.get()] { voices->shutDown(); });
    return output;
}
} // namespace

AppRoot::AppRoot()
    : m_prefs(Prefs::defaultFile()), m_frameStats(FrameStats::fromEnvironment()),
      m_sounds(soundOutput()), m_customHand(CustomHand::defaultFile()), m_sprites(m_customHand),
      m_ink(m_prefs, [this](TapSound sound, double volume) { m_sounds.play(sound, volume); }),
      m_pointer(m_prefs, m_ink, m_sprites, m_activeWindow, m_frameStats.get()),
      m_toolbar(m_prefs, m_pointer, m_ink, m_sprites, m_customHand),
      m_app(m_pointer, m_ink, m_hotKeys) {
    m_pointer.setToolbar(&m_toolbar);
}

// The toolbar goes before the pointer: the pointer must not reach for it then.
AppRoot::~AppRoot() { m_pointer.setToolbar(nullptr); }
