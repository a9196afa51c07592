#pragma once
#include <QObject>

class QSystemTrayIcon;

// The tray program: owns the tray icon and its menu.
class App : public QObject {
    Q_OBJECT
public:
    static App& shared();
    void launch();

private:
    App() = default;
    QSystemTrayIcon* m_item = nullptr;
};
