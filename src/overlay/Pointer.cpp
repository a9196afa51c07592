#include "overlay/Pointer.h"
#include "handart/HandSprites.h"
#include "overlay/OverlayWindow.h"
#include "overlay/ScreenSpace.h"
#include "overlay/Toolbar.h"
#include "platform/ActiveWindow.h"
#include "platform/DesktopChecks.h"
#include "platform/DesktopWatch.h"
#include "prefs/Prefs.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <algorithm>

namespace {
// Escape arrives inside a window's own key handler: windows go at the next
// turn of the event loop, not while one of them is still handling it.
void retire(std::vector<std::unique_ptr<OverlayWindow>>& windows) {
    for (auto& window : windows)
        if (window) {
            window->hide();
            window.release()->deleteLater();
        }
    windows.clear();
}
} // namespace

Pointer::Pointer(Prefs& prefs, InkBoard& ink, HandSprites& sprites, ActiveWindow& activeWindow,
                 FrameStats::Log* stats)
    : m_prefs(prefs), m_ink(ink), m_sprites(sprites), m_activeWindow(activeWindow), m_stats(stats) {
    watchScreens();
    // While on, the next frame paints what the ink changed together with the
    // hand: one paint per frame, however many moves came in between.
    connect(&m_ink, &InkBoard::changed, this, [this] {
        if (m_isOn)
            wake();
        else
            flushDamage();
    });
    // A new or removed photo keeps the hand's id: drop the installed sprites
    // so the next frame shows the new hand.
    connect(&m_sprites, &HandSprites::changed, this, [this] {
        for (auto& window : m_windows)
            window->view().forgetSprite();
        wake();
    });
    // Any setting the tick reads may change what is drawn: wake the clock.
    for (auto signal :
         {&Prefs::laserChanged, &Prefs::handIDChanged, &Prefs::handSizeChanged,
          &Prefs::spotlightChanged, &Prefs::spotlightRadiusChanged, &Prefs::swayChanged})
        connect(&m_prefs, signal, this, &Pointer::wake);
    m_raiseTimer.setSingleShot(true);
    connect(&m_raiseTimer, &QTimer::timeout, this, &Pointer::raiseWindows);
}

void Pointer::setDesktopWatch(DesktopWatch* watch) {
    if (m_desktop) m_desktop->disconnect(this);
    m_desktop = watch;
    if (!watch) return;
    connect(watch, &DesktopWatch::covered, this, &Pointer::coverAgain);
    connect(watch, &DesktopWatch::mouseMoved, this, &Pointer::wake);
    if (m_isOn) watch->start();
}

Pointer::~Pointer() = default;

void Pointer::watchScreens() {
    // Screen changes arrive as several signals in a row (added, geometry,
    // primary); they are handled once, after the burst.
    auto schedule = [this] {
        if (m_screensChangePending) return;
        m_screensChangePending = true;
        QTimer::singleShot(0, this, [this] {
            m_screensChangePending = false;
            screensChanged();
        });
    };
    auto watch = [this, schedule](QScreen* screen) {
        connect(screen, &QScreen::geometryChanged, this, schedule);
        connect(screen, &QScreen::physicalDotsPerInchChanged, this, schedule);
    };
    for (QScreen* screen : QGuiApplication::screens())
        watch(screen);
    connect(qApp, &QGuiApplication::screenAdded, this, [watch, schedule](QScreen* screen) {
        watch(screen);
        schedule();
    });
    connect(qApp, &QGuiApplication::screenRemoved, this, schedule);
    connect(qApp, &QGuiApplication::primaryScreenChanged, this, schedule);
}

void Pointer::turnOn() {
    if (m_isOn) return;
    m_activeWindow.remember();
    m_isOn = true;
    buildWindows();
    m_mouse = ScreenSpace::mouseLocation();
    m_motion.reset(m_mouse);
    useShapes();
    showWindows();
    if (m_prefs.showToolbar()) showToolbar();
    if (m_desktop) m_desktop->start();
    startLink();
    tick();
    emit isOnChanged(true);
}

void Pointer::turnOff() {
    if (!m_isOn) return;
    m_isOn = false;
    m_clock.invalidate();
    m_raiseTimer.stop();
    if (m_desktop) m_desktop->stop();
    m_ink.clear();
    if (m_holding) m_holding->setMouseGrabEnabled(false);
    m_holding = nullptr;
    dropWindows();
    if (m_toolbar) m_toolbar->hide();
    m_activeWindow.reactivate();
    emit isOnChanged(false);
}

void Pointer::screensChanged() {
    if (!m_isOn) return;
    // A screen that stayed as it was keeps its window and its ink; the ink of
    // a screen that went away or changed goes with its window.
    std::vector<std::unique_ptr<OverlayWindow>> old = std::move(m_windows);
    m_windows.clear();
    for (QScreen* screen : ScreenSpace::screensMainFirst()) {
        const auto same = std::find_if(old.begin(), old.end(), [&](const auto& window) {
            return window && window->covers(screen);
        });
        if (same != old.end())
            m_windows.push_back(std::move(*same));
        else
            m_windows.push_back(std::make_unique<OverlayWindow>(screen, *this, m_stats));
    }
    for (auto& window : old)
        if (window) m_ink.clearOn(window->view());
    if (m_ink.inkEmpty() && !m_ink.isDrawing()) m_ink.clear(); // nothing kept: badges restart
    retire(old);
    for (auto& window : m_windows)
        window->setCursor(m_overToolbar ? Qt::ArrowCursor : Qt::BlankCursor);
    m_holding = nullptr; // held by a window that may be gone; the next frame holds again
    useShapes();
    showWindows();
    if (m_prefs.showToolbar()) showToolbar();
    startLink();
}

void Pointer::setToolbarVisible(bool visible) {
    m_prefs.setShowToolbar(visible);
    if (!m_isOn || !m_toolbar) return;
    if (visible)
        showToolbar();
    else
        m_toolbar->hide();
    wake(); // the hand comes back if the mouse was over the toolbar
}

void Pointer::showToolbar() {
    if (!m_toolbar) return;
    const QPointF mouse = ScreenSpace::mouseLocation();
    QScreen* target = QGuiApplication::primaryScreen();
    for (QScreen* screen : QGuiApplication::screens())
        if (ScreenSpace::holds(ScreenSpace::frameToModel(screen->geometry()), mouse)) {
            target = screen;
            break;
        }
    if (target) m_toolbar->showOn(target);
}

bool Pointer::isOverToolbar(QPointF mouse) const {
    if (!m_toolbar) return false;
    const QRect frame = m_toolbar->frame();
    if (frame.isEmpty()) return false;
    constexpr double margin = 4;
    return ScreenSpace::frameToModel(QRectF(frame))
        .adjusted(-margin, -margin, margin, margin)
        .contains(mouse);
}

void Pointer::setOverToolbar(bool over) {
    if (over == m_overToolbar) return;
    m_overToolbar = over;
    // The arrow over the toolbar; elsewhere the hand is the cursor.
    for (auto& window : m_windows)
        window->setCursor(over ? Qt::ArrowCursor : Qt::BlankCursor);
}

void Pointer::toggleSpotlight() {
    if (m_isOn && m_shaped && !m_prefs.spotlight()) {
        emit spotlightUnavailable();
        return;
    }
    m_prefs.setSpotlight(!m_prefs.spotlight());
}

void Pointer::compositorChanged() {
    if (!m_isOn) return;
    useShapes();
    if (!m_shaped && m_holding) m_holding->setMouseGrabEnabled(false);
    if (!m_shaped) m_holding = nullptr;
    if (m_toolbar && !m_toolbar->frame().isEmpty()) showToolbar(); // its shape follows too
    wake();
}

void Pointer::useShapes() {
    m_shaped = !DesktopChecks::hasCompositor();
    for (auto& window : m_windows)
        window->setShaped(m_shaped);
}

void Pointer::holdPointer(QPointF mouse) {
    OverlayWindow* under = nullptr;
    if (m_shaped && !m_overToolbar)
        for (auto& window : m_windows)
            if (ScreenSpace::holds(window->modelFrame(), mouse)) under = window.get();
    if (under == m_holding) return;
    if (m_holding) m_holding->setMouseGrabEnabled(false);
    m_holding = under;
    if (m_holding) m_holding->setMouseGrabEnabled(true);
}

void Pointer::choose(Tool tool) {
    m_prefs.setTool(tool);
    m_prefs.setLaser(false);
}

void Pointer::demoInk(const std::vector<DemoStroke>& strokes, const std::vector<QPointF>& steps) {
    for (auto& window : m_windows)
        if (window->targetScreen() && window->targetScreen() == QGuiApplication::primaryScreen()) {
            m_ink.demoInk(strokes, steps, window->view());
            return;
        }
}

QPointF Pointer::mouseNow() {
    // A frame without an event from the overlays (the sway settling, the
    // mouse over the toolbar or held by another program) asks the server.
    if (!m_mouseHeard) m_mouse = ScreenSpace::mouseLocation();
    m_mouseHeard = false;
    return m_mouse;
}

void Pointer::coverAgain() {
    if (!m_isOn || m_raiseTimer.isActive()) return;
    // Another program that keeps itself on top would otherwise trade places
    // with the overlay as fast as the server allows.
    constexpr qint64 leastApartMs = 100;
    const qint64 since = m_sinceRaise.isValid() ? m_sinceRaise.elapsed() : leastApartMs;
    m_raiseTimer.start(int(std::max<qint64>(0, leastApartMs - since)));
}

void Pointer::raiseWindows() {
    if (!m_isOn) return;
    m_sinceRaise.start();
    for (auto& window : m_windows)
        window->raise();
    // The toolbar, then whatever pops up from it, stay above the overlays.
    const QRect toolbar = m_toolbar ? m_toolbar->frame() : QRect();
    for (QWindow* window : QGuiApplication::topLevelWindows())
        if (window->isVisible() && !toolbar.isEmpty() && window->geometry() == toolbar)
            window->raise();
    for (QWindow* window : QGuiApplication::topLevelWindows())
        if (window->isVisible() && window->type() == Qt::Popup) window->raise();
}

void Pointer::wake() {
    if (m_isOn) m_clock.wake();
}

void Pointer::buildWindows() {
    dropWindows();
    m_overToolbar = false; // new windows start with the hand's blank cursor
    for (QScreen* screen : ScreenSpace::screensMainFirst())
        m_windows.push_back(std::make_unique<OverlayWindow>(screen, *this, m_stats));
}

void Pointer::showWindows() {
    for (auto& window : m_windows) {
        window->show();
        window->raise();
    }
    // The window under the mouse takes the keys, so Escape works at once.
    const QPointF mouse = ScreenSpace::mouseLocation();
    OverlayWindow* keyWindow = m_windows.empty() ? nullptr : m_windows.front().get();
    for (auto& window : m_windows)
        if (ScreenSpace::holds(window->modelFrame(), mouse)) {
            keyWindow = window.get();
            break;
        }
    if (keyWindow) {
        keyWindow->requestActivate();
    }
}

void Pointer::dropWindows() {
    retire(m_windows);
}

void Pointer::startLink() {
    m_clock.invalidate();
    if (m_windows.empty()) return;
    QScreen* first = m_windows.front()->targetScreen();
    m_clock.start(first ? first->refreshRate() : 60, [this] { tick(); });
}

void Pointer::flushDamage() {
    for (auto& window : m_windows)
        window->flushDamage();
}
