#include "app/App.h"

#include <QApplication>
#include <QMenu>
#include <QSystemTrayIcon>

App& App::shared() {
    static App* instance = new App();
    return *instance;
}

void App::launch() {
    if (!QSystemTrayIcon::isSystemTrayAvailable()) return;
    m_item = new QSystemTrayIcon(this);
    m_item->setToolTip(tr("Pointer off"));
    auto* menu = new QMenu();
    QAction* quit = menu->addAction(tr("Quit Handwick"), qApp, &QApplication::quit);
    quit->setShortcut(QKeySequence(QStringLiteral("Ctrl+Q")));
    m_item->setContextMenu(menu);
    m_item->show();
}
