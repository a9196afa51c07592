#pragma once
// The tray program: the tray icon that mirrors the pointer's state, its menu
// (built afresh on each opening), the global hot keys, and the one-time
// notices about what this desktop lacks.

#include <QObject>
#include <QPointer>

class QMenu;
class QSystemTrayIcon;

class App : public QObject {
    Q_OBJECT
public:
    static App& shared();

    // Everything that happens once the application object exists.
    void launch();

    void togglePointer();
    void clearInk();
    void quit();

    // The menu as it would open now.
    void rebuildMenu(QMenu& menu);
    QSystemTrayIcon* trayIcon() const { return m_item; }

private:
    App() = default;
    void updateIcon(bool on);
    void registerHotKeys();
    void notify(const QString& message);

    QSystemTrayIcon* m_item = nullptr;
    QMenu* m_menu = nullptr;
};
