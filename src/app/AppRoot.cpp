#include "app/AppRoot.h"
#include "handart/HandChoice.h"

// The chosen hand follows imports and removals before anything else hears of them.
CustomHand& AppRoot::followedByTheChoice(CustomHand& custom, Prefs& prefs) {
    HandChoice::follow(custom, prefs);
    return custom;
}

AppRoot::AppRoot()
    : m_prefs(Prefs::defaultFile()), m_frameStats(FrameStats::fromEnvironment()),
      m_sounds(defaultVoiceFactory()), m_customHand(CustomHand::defaultFile()),
      m_sprites(followedByTheChoice(m_customHand, m_prefs)),
      m_ink(m_prefs, [this](TapSound sound, double volume) { m_sounds.play(sound, volume); }),
      m_pointer(m_prefs, m_ink, m_sprites, m_activeWindow, m_frameStats.get()), m_toolbar([this] {
          auto panel =
              std::make_unique<ToolbarPanel>(m_prefs, m_pointer, m_ink, m_sprites, m_customHand);
          QObject::connect(panel.get(), &ToolbarPanel::entered, &m_pointer, &Pointer::wake);
          return panel;
      }),
      m_app(m_pointer, m_ink, m_hotKeys, m_prefs) {
    m_pointer.setToolbar(&m_toolbar);
    m_pointer.setDesktopWatch(m_desktop.get());
    m_compositor = CompositorWatch::forThisDesktop();
    QObject::connect(m_compositor.get(), &CompositorWatch::changed, &m_pointer,
                     &Pointer::compositorChanged);
}

// The toolbar goes before the pointer: the pointer must not reach for it then.
AppRoot::~AppRoot() {
    m_pointer.setToolbar(nullptr);
}
