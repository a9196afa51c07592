#include "app/WelcomeController.h"

#include "overlay/Pointer.h"
#include "platform/ActiveWindow.h"
#include "prefs/Prefs.h"

#include <QGuiApplication>
#include <QTimer>
#include <memory>
#include <utility>

namespace {
constexpr std::chrono::milliseconds kFocusSettle{400};
}

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
    if (!m_window || !m_window->isActiveWindow()) {
        if (m_window) m_window->hide();
        m_pointer.turnOn();
        return;
    }
    // A window manager that sees the focused welcome window go away gives the
    // focus to another window, and a keyboard request made before it did so
    // loses. So the hand comes up once the focus has moved on (or after a
    // moment, for a desktop that keeps it nowhere).
    auto once = std::make_shared<bool>(false);
    auto turnOn = [this, once] {
        if (std::exchange(*once, true)) return;
        m_pointer.turnOn();
    };
    connect(
        qApp, &QGuiApplication::applicationStateChanged, this,
        [turnOn](Qt::ApplicationState state) {
            if (state != Qt::ApplicationActive) turnOn();
        },
        Qt::SingleShotConnection);
    QTimer::singleShot(kFocusSettle, this, turnOn);
    m_window->hide();
}
