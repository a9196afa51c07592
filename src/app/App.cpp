#include "app/App.h"
#include "app/TrayIcon.h"
#include "app/WelcomeController.h"
#include "overlay/InkBoard.h"
#include "overlay/Pointer.h"
#include "platform/DesktopChecks.h"
#include "platform/HotKeys.h"
#include "prefs/Prefs.h"

#include <QApplication>
#include <QCursor>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QSystemTrayIcon>

App::App(Pointer& pointer, InkBoard& ink, HotKeys& hotKeys, const Prefs& prefs,
         WelcomeController& welcome, QObject* parent)
    : QObject(parent), m_pointer(pointer), m_ink(ink), m_hotKeys(hotKeys), m_prefs(prefs),
      m_welcome(welcome), m_keyRetry(hotKeys) {}

// The menu has no parent widget, so it is deleted here.
App::~App() {
    delete m_menu;
}

bool App::clickOpensMenu(Qt::KeyboardModifiers held) {
    return held & (Qt::ControlModifier | Qt::AltModifier);
}

void App::launch(const QStringList& moreNotices) {
    connect(&m_pointer, &Pointer::isOnChanged, this, &App::updateIcon);
    registerHotKeys();
    m_keyRetry.start();
    // A key held elsewhere may have been let go by now.
    connect(&m_pointer, &Pointer::isOnChanged, &m_keyRetry, [this](bool on) {
        if (!on) m_keyRetry.retry();
    });

    if (QSystemTrayIcon::isSystemTrayAvailable()) {
        m_item = new QSystemTrayIcon(this);
        m_menu = new QMenu();
        connect(m_menu, &QMenu::aboutToShow, this, [this] {
            m_keyRetry.retry();
            rebuildMenu(*m_menu);
        });
        rebuildMenu(*m_menu);
        m_item->setContextMenu(m_menu);
        connect(m_item, &QSystemTrayIcon::activated, this, [this](auto reason) {
            if (reason != QSystemTrayIcon::Trigger) return;
            if (clickOpensMenu(QGuiApplication::queryKeyboardModifiers()))
                m_menu->popup(QCursor::pos());
            else
                togglePointer();
        });
        updateIcon(false);
        m_item->show();
    }

    // Everything there is to say at start goes out as one notice: a tray
    // shows one message at a time, and a later one would hide the others.
    // A newcomer's welcome window says how to reach Handwick without a tray.
    const bool welcoming = !m_prefs.welcomed();
    QStringList notices;
    if (!m_item && !welcoming)
        notices << tr("This desktop has no system tray, so Handwick shows no icon. Press "
                      "Ctrl+Alt+H to turn the pointer on and off, Ctrl+Alt+X to clear the "
                      "drawing.");
    notices << refusedKeysNotice(m_item != nullptr);
    notices << m_prefs.problem(); // settings that cannot be kept, said once
    notices << moreNotices;
    if (!DesktopChecks::hasCompositor())
        notices << tr(
            "No compositor is running, so Handwick draws the hand and the ink with hard "
            "edges and without shadows, and the spotlight is not available. Turn on "
            "your desktop's compositing (or start one, such as picom) for the full look.");
    notices.removeAll(QString());
    if (!notices.isEmpty()) notify(notices.join(QStringLiteral("\n\n")));
    connect(&m_prefs, &Prefs::problemChanged, this, [this] { notify(m_prefs.problem()); });
    connect(&m_pointer, &Pointer::spotlightUnavailable, this, [this] {
        notify(tr("The spotlight needs a compositor to darken the screen around the hand. Turn "
                  "on your desktop's compositing to use it."));
    });
    m_welcome.showIfNew(m_item != nullptr);
}

void App::showWelcome() {
    m_welcome.show(m_item != nullptr);
}

void App::togglePointer() {
    if (m_pointer.isOn())
        m_pointer.turnOff();
    else
        m_pointer.turnOn();
}

void App::clearInk() {
    m_ink.clear();
}

void App::toggleSpotlight() {
    if (!m_pointer.isOn()) m_pointer.turnOn();
    m_pointer.toggleSpotlight();
}

// Out of the way, so whatever the user came for can be reached.
void App::reopen() {
    showSettings();
}

void App::quit() {
    QApplication::quit();
}

void App::showSettings() {
    m_pointer.turnOff();
    if (m_showSettingsWindow) m_showSettingsWindow();
}

void App::rebuildMenu(QMenu& menu) {
    menu.clear();
    const bool on = m_pointer.isOn();
    QAction* toggle = menu.addAction(on ? tr("Turn Pointer Off") : tr("Turn Pointer On"), this,
                                     &App::togglePointer);
    toggle->setShortcut(QKeySequence(QStringLiteral("Ctrl+Alt+H")));
    QAction* clear = menu.addAction(tr("Clear Drawing"), this, &App::clearInk);
    clear->setShortcut(QKeySequence(QStringLiteral("Ctrl+Alt+X")));
    menu.addSeparator();
    QAction* settings = menu.addAction(tr("Settings…"), this, &App::showSettings);
    settings->setShortcut(QKeySequence(QStringLiteral("Ctrl+,")));
    menu.addAction(tr("How It Works…"), this, &App::showWelcome);
    // Not owned by the menu, so clear() leaves it alone.
    if (m_updateAction) menu.addAction(m_updateAction);
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
    m_hotKeys.registerKey('h', [this] { togglePointer(); });
    m_hotKeys.registerKey('x', [this] { clearInk(); });
    m_hotKeys.registerKey('s', [this] { toggleSpotlight(); });
}

QString App::refusedKeysNotice(bool tray) const {
    const QStringList keys = m_keyRetry.refused();
    if (keys.isEmpty()) return {};
    const QString held =
        tr("Another program holds %1, so it does nothing in Handwick for now; Handwick takes it "
           "as soon as it is free.",
           nullptr, int(keys.size()))
            .arg(QLocale().createSeparatedList(keys));
    if (tray) return held + QLatin1Char(' ') + tr("Use the tray icon meanwhile.");
    const bool noWayOn = keys.contains(QStringLiteral("Ctrl+Alt+H"));
    return held + (noWayOn ? QLatin1Char(' ') + tr("Until then the pointer cannot be turned on.")
                           : QString());
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
