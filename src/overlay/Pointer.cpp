#include "overlay/Pointer.h"
#include "handart/CustomHand.h"
#include "layers/LayerAnimator.h"
#include "layers/MediaClock.h"
#include "overlay/OverlayWindow.h"
#include "overlay/ScreenSpace.h"
#include "platform/ActiveWindow.h"
#include "prefs/Prefs.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QTimer>

Pointer& Pointer::shared() {
    static Pointer* instance = new Pointer();
    return *instance;
}

Pointer::Pointer() : m_sprites(CustomHand::shared()) {
    // Screen changes arrive as several signals in a row (added, geometry,
    // primary); they are handled once, after the burst.
    auto scheduleScreensChanged = [this] {
        if (m_screensChangePending) return;
        m_screensChangePending = true;
        QTimer::singleShot(0, this, [this] {
            m_screensChangePending = false;
            screensChanged();
        });
    };
    auto watch = [this, scheduleScreensChanged](QScreen* screen) {
        connect(screen, &QScreen::geometryChanged, this, scheduleScreensChanged);
        connect(screen, &QScreen::physicalDotsPerInchChanged, this, scheduleScreensChanged);
    };
    for (QScreen* screen : QGuiApplication::screens()) watch(screen);
    connect(qApp, &QGuiApplication::screenAdded, this, [watch, scheduleScreensChanged](QScreen* s) {
        watch(s);
        scheduleScreensChanged();
    });
    connect(qApp, &QGuiApplication::screenRemoved, this, scheduleScreensChanged);
    connect(qApp, &QGuiApplication::primaryScreenChanged, this, scheduleScreensChanged);

    // A new or removed photo keeps the "custom" sprite key: drop the installed
    // sprites so the next frame shows the new hand.
    connect(&m_sprites, &HandSprites::changed, this, [this] {
        for (auto& window : m_windows) window->view().forgetSprite();
        wake();
    });

    // Any setting the tick reads may change what is drawn: wake the clock.
    Prefs& prefs = Prefs::shared();
    for (auto signal : {&Prefs::laserChanged, &Prefs::handIDChanged, &Prefs::handSizeChanged,
                        &Prefs::spotlightChanged, &Prefs::spotlightRadiusChanged,
                        &Prefs::swayChanged})
        connect(&prefs, signal, this, &Pointer::wake);
}

void Pointer::turnOn() {
    if (m_isOn) return;
    ActiveWindow::shared().remember();
    m_isOn = true;
    emit isOnChanged();
    buildWindows();

    m_motion.reset(ScreenSpace::mouseLocation());
    for (auto& window : m_windows) {
        window->show();
        window->raise();
    }
    const QPointF mouse = m_motion.lastMouse;
    OverlayWindow* keyWindow = m_windows.empty() ? nullptr : m_windows.front().get();
    for (auto& window : m_windows)
        if (window->modelFrame().contains(mouse)) {
            keyWindow = window.get();
            break;
        }
    if (keyWindow) {
        keyWindow->activateWindow();
        keyWindow->setFocus();
    }
    startLink();
    tick();
    if (onChange) onChange(true);
}

void Pointer::turnOff() {
    if (!m_isOn) return;
    m_isOn = false;
    emit isOnChanged();
    m_clock.invalidate();
    clear();
    dropWindows();
    ActiveWindow::shared().reactivate();
    if (onChange) onChange(false);
}

void Pointer::clear() {
    for (const LayerPtr& item : m_items) item->removeFromSuperlayer();
    m_items.clear();
    if (m_current) {
        m_current->removeFromSuperlayer();
        m_current.reset();
    }
    setStepNumber(1);
    setInkEmpty(true);
    flushDamage();
}

void Pointer::toggleSpotlight() { Prefs::shared().setSpotlight(!Prefs::shared().spotlight()); }

void Pointer::wake() {
    if (m_isOn) m_clock.wake();
}

void Pointer::dropWindows() {
    // Escape arrives inside a window's own key handler: the windows go at the
    // next turn of the event loop, not while one of them is still handling it.
    for (auto& window : m_windows) {
        window->hide();
        window.release()->deleteLater();
    }
    m_windows.clear();
}

void Pointer::buildWindows() {
    dropWindows();
    for (QScreen* screen : ScreenSpace::screensMainFirst())
        m_windows.push_back(std::make_unique<OverlayWindow>(screen));
}

void Pointer::screensChanged() {
    if (!m_isOn) return;
    clear();
    buildWindows();
    for (auto& window : m_windows) {
        window->show();
        window->raise();
    }
    if (!m_windows.empty()) m_windows.front()->activateWindow();
    startLink();
}

void Pointer::startLink() {
    m_clock.invalidate();
    if (m_windows.empty()) return;
    QScreen* first = m_windows.front()->targetScreen();
    m_clock.start(first ? first->refreshRate() : 60, [this] { tick(); });
}

void Pointer::setStepNumber(int value) {
    if (value == m_stepNumber) return;
    m_stepNumber = value;
    emit stepNumberChanged();
}

void Pointer::setInkEmpty(bool value) {
    if (value == m_inkEmpty) return;
    m_inkEmpty = value;
    emit inkEmptyChanged();
}

void Pointer::flushDamage() {
    for (auto& window : m_windows) window->flushDamage();
}
