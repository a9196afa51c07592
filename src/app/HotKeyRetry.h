#pragma once
// Global hot keys another program holds: said once, and taken as soon as
// they are free. Tries again when asked (the pointer turns off, the tray menu
// opens) and every 30 seconds, but only while a key is missing.

#include <QObject>
#include <QStringList>
#include <QTimer>

class HotKeys;

class HotKeyRetry : public QObject {
    Q_OBJECT
  public:
    explicit HotKeyRetry(HotKeys& hotKeys, QObject* parent = nullptr);

    // The refused keys as the user presses them ("Ctrl+Alt+H").
    QStringList refused() const;
    // Starts watching after the keys were registered.
    void start();
    void retry();

  private:
    HotKeys& m_hotKeys;
    QTimer m_timer;
};
