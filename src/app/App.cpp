#include "app/App.h"
#include "app/TrayIcon.h"
#include "overlay/Pointer.h"
#include "platform/DesktopChecks.h"
#include "platform/HotKeys.h"
#include "prefs/Prefs.h"

#include <QApplication>
#include <QCursor>
#include <QMenu>
#include <QMessageBox>
#include <QSystemTrayIcon>

App& App::shared() {
    static App* instance = new App();
    return *instance;
}

void App::launch() {
    Pointer::shared().onChange = [this](bool on) { updateIcon(on); };
    registerHotKeys();

    if (QSystemTrayIcon::isSystemTrayAvailable()) {
        m_item = new QSystemTrayIcon(this);
        m_menu = new QMenu();
        connect(m_menu, &QMenu::aboutToShow, this, [this] { rebuildMenu(*m_menu); });
        rebuildMenu(*m_menu);
        m_item->setContextMenu(m_menu);
        connect(m_item, &QSystemTrayIcon::activated, this, [this](auto reason) {
            if (reason != QSystemTrayIcon::Trigger) return;
            // Ctrl- or Alt-click opens the menu, as a right click does.
            if (QGuiApplication::queryKeyboardModifiers() & (Qt::ControlModifier | Qt::AltModifier))
                m_menu->popup(QCursor::pos());
            else
                togglePointer();
        });
        updateIcon(false);
        m_item->show();
    } else {
        notify(tr("This desktop has no system tray, so Handwick shows no icon. Press Ctrl+Alt+H "
                  "to turn the pointer on and off, Ctrl+Alt+X to clear the drawing."));
    }

    if (!DesktopChecks::hasCompositor())
        notify(tr("No compositor is running, so the pointer cannot be drawn see-through over "
                  "your windows. Turn on your desktop's compositing (or start one, such as "
                  "picom) and start Handwick again."));
}

void App::togglePointer() {
    Pointer& pointer = Pointer::shared();
    if (pointer.isOn()) pointer.turnOff();
    else pointer.turnOn();
}

void App::clearInk() { Pointer::shared().clear(); }

void App::quit() { QApplication::quit(); }

void App::rebuildMenu(QMenu& menu) {
    menu.clear();
    const bool on = Pointer::shared().isOn();
    QAction* toggle = menu.addAction(on ? tr("Turn Pointer Off") : tr("Turn Pointer On"), this,
                                     &App::togglePointer);
    toggle->setShortcut(QKeySequence(QStringLiteral("Ctrl+Alt+H")));
    QAction* clear = menu.addAction(tr("Clear Drawing"), this, &App::clearInk);
    clear->setShortcut(QKeySequence(QStringLiteral("Ctrl+Alt+X")));
    menu.addSeparator();
    QAction* quit = menu.addAction(tr("Quit Handwick"), this, &App::quit);
    quit->setShortcut(QKeySequence(QStringLiteral("Ctrl+Q")));
}

void App::updateIcon(bool on) {
    if (!m_item) return;
    m_item->setIcon(TrayIcon::icon(on));
    m_item->setToolTip(on ? tr("Pointer on") : tr("Pointer off"));
}

void App::registerHotKeys() {
    HotKeys& keys = HotKeys::shared();
    keys.registerKey('h', [this] { togglePointer(); });
    keys.registerKey('x', [this] { clearInk(); });
    keys.registerKey('s', [] {
        Pointer& pointer = Pointer::shared();
        if (!pointer.isOn()) pointer.turnOn();
        pointer.toggleSpotlight();
    });
}

void App::notify(const QString& message) {
    if (m_item && QSystemTrayIcon::supportsMessages()) {
        m_item->showMessage(QStringLiteral("Handwick"), message, QSystemTrayIcon::Information,
                            10000);
        return;
    }
    // No tray to speak through: a plain window the user can dismiss.
    auto* box = new QMessageBox(QMessageBox::Information, QStringLiteral("Handwick"), message,
                                QMessageBox::Ok);
    box->setAttribute(Qt::WA_DeleteOnClose);
    // A message box is modal by default, which would keep the keyboard and
    // clicks from the overlay while it is open.
    box->setWindowModality(Qt::NonModal);
    box->show();
}
