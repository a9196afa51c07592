#include "app/AppRoot.h"
#include "app/ChannelPlace.h"
#include "devtools/Snapshot.h"
#include "handart/HandChoice.h"

#include <QTimer>

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
      m_updates(SoftwareUpdates::forThisBuild(m_prefs)),
      m_settings({m_prefs, m_sprites, m_customHand, m_loginItem,
                  [this](TapSound sound, double volume) { m_sounds.play(sound, volume); },
                  m_updates ? m_updates->checkAction() : nullptr}),
      m_welcome(m_prefs, m_pointer, m_activeWindow,
                WelcomeWindow::LoginSwitch{[this] { return m_loginItem.isEnabled(); },
                                           [this](bool on) { m_loginItem.setEnabled(on); }}),
      m_app(m_pointer, m_ink, m_hotKeys, m_prefs, m_welcome),
      m_remote(m_app, m_pointer, m_prefs, m_customHand),
      m_channel([this](const RemoteCommand& command) { return m_remote.perform(command); }) {
    m_app.setSettingsWindow([this] { m_settings.show(); });
    m_pointer.setToolbar(&m_toolbar);
    if (m_updates) m_app.setUpdateAction(m_updates->checkAction());
    m_pointer.setDesktopWatch(m_desktop.get());
    m_compositor = CompositorWatch::forThisDesktop();
    QObject::connect(m_compositor.get(), &CompositorWatch::changed, &m_pointer,
                     &Pointer::compositorChanged);
}

// The toolbar goes before the pointer: the pointer must not reach for it then.
AppRoot::~AppRoot() {
    m_pointer.setToolbar(nullptr);
}

void AppRoot::launch(const InstanceLock& lock) {
    QString problem = lock.problem();
    if (lock.state() == InstanceLock::State::held) problem = m_channel.listen(lock.place().socket);
    QStringList notices;
    if (!problem.isEmpty())
        notices << QCoreApplication::translate(
                       "AppRoot", "Handwick cannot take commands from the command line or notice a "
                                  "second start, because %1.")
                       .arg(problem);
    m_app.launch(notices);
    if (m_updates) m_updates->start();
}

void AppRoot::snapshot(const QString& dir) {
    std::vector<DevTools::Step> steps{{QStringLiteral("welcome"), [this] { m_app.showWelcome(); }}};
    for (SettingsTab tab : SettingsWindowController::order)
        steps.push_back({QStringLiteral("settings-") + rawValue(tab), [this, tab] {
                             m_pointer.turnOff();
                             m_settings.show(tab);
                         }});
    steps.push_back({QStringLiteral("pointer"), [this] { DevTools::demo(m_pointer); }});
    DevTools::snapshot(dir, std::move(steps), m_pointer);
}

void AppRoot::demo() {
    QTimer::singleShot(800, &m_pointer, [this] { DevTools::demo(m_pointer); });
}
