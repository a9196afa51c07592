#include "app/WelcomeController.h"

#include "overlay/Pointer.h"
#include "platform/ActiveWindow.h"
#include "prefs/Prefs.h"

WelcomeController::WelcomeController(Prefs& prefs, Pointer& pointer, ActiveWindow& activeWindow,
                                     WelcomeWindow::LoginSwitch login, QObject* parent)
    : QObject(parent), m_prefs(prefs), m_pointer(pointer), m_activeWindow(activeWindow),
      m_login(std::move(login)) {}

WelcomeController::~WelcomeController() = default;

void WelcomeController::show(bool hasTray) {
    if (!m_window) {
        m_window = std::make_unique<WelcomeWindow>(hasTray, m_login);
        connect(m_window.get(), &WelcomeWindow::startRequested, this, &WelcomeController::start);
    }
    // The window is about to take the keyboard: note who had it, so the
    // pointer started from here hands it back there, not to this window.
    if (!m_window->isVisible()) m_activeWindow.remember();
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

bool WelcomeController::showIfNew(bool hasTray) {
    if (m_prefs.welcomed()) return false;
    show(hasTray);
    return true;
}

void WelcomeController::start() {
    m_prefs.setWelcomed(true);
    if (m_window) m_window->hide();
    m_pointer.turnOn();
}
