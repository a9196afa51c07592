#pragma once
// The tray program: the tray icon that mirrors the pointer's state, its menu
// (built afresh on each opening), the global hot keys, and the one-time
// notices about what this desktop lacks.

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <functional>

#include "app/HotKeyRetry.h"

class HotKeys;
class InkBoard;
class Prefs;
class Pointer;
class QAction;
class QMenu;
class QSystemTrayIcon;
class WelcomeController;

class App : public QObject {
    Q_OBJECT
  public:
    App(Pointer& pointer, InkBoard& ink, HotKeys& hotKeys, const Prefs& prefs,
        WelcomeController& welcome, QObject* parent = nullptr);
    ~App() override;

    // Everything that happens once the application object exists.
    // `moreNotices` join what is said at start.
    void launch(const QStringList& moreNotices = {});

    void togglePointer();
    void clearInk();
    // What Ctrl+Alt+S does: the spotlight on or off, with the pointer on.
    void toggleSpotlight();
    void showWelcome();
    void quit();
    // Handwick was started again while running.
    void reopen();

    // The settings window: the pointer goes off first, so the overlay never
    // covers it; then the window is shown and brought to the front.
    void showSettings();
    void setSettingsWindow(std::function<void()> show) { m_showSettingsWindow = std::move(show); }

    // The menu as it would open now.
    void rebuildMenu(QMenu& menu);
    // "Check for Updates…" for the menu; null in a build without updates.
    void setUpdateAction(QAction* action) { m_updateAction = action; }
    // A plain click on the tray icon toggles the pointer; with Ctrl or Alt
    // held it opens the menu, as a right click does.
    static bool clickOpensMenu(Qt::KeyboardModifiers held);

  private:
    void updateIcon(bool on);
    void registerHotKeys();
    void notify(const QString& message);
    // What to tell about the keys another program holds; empty when none.
    QString refusedKeysNotice(bool tray) const;

    Pointer& m_pointer;
    InkBoard& m_ink;
    HotKeys& m_hotKeys;
    const Prefs& m_prefs;
    WelcomeController& m_welcome;
    HotKeyRetry m_keyRetry;
    QSystemTrayIcon* m_item = nullptr;
    QMenu* m_menu = nullptr;
    std::function<void()> m_showSettingsWindow;
    QAction* m_updateAction = nullptr;
};
