#pragma once
// The pointer: whether the overlay is up, its windows (one per screen), the
// frame clock that drives the motion, and the mouse and keys that reach the
// overlay. The drawing itself belongs to the ink board it is given.

#include "overlay/FrameClock.h"
#include "overlay/FrameStats.h"
#include "overlay/InkBoard.h"
#include "overlay/KeyCommands.h"
#include "overlay/Motion.h"
#include "overlay/OverlayInput.h"
#include "prefs/Tool.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <memory>
#include <vector>

class ActiveWindow;
class DesktopWatch;
class HandSprites;
class OverlayWindow;
class Prefs;
class Toolbar;

class Pointer : public QObject, public OverlayInput {
    Q_OBJECT
    Q_PROPERTY(bool isOn READ isOn NOTIFY isOnChanged)

  public:
    Pointer(Prefs& prefs, InkBoard& ink, HandSprites& sprites, ActiveWindow& activeWindow,
            FrameStats::Log* stats = nullptr);
    ~Pointer() override;

    bool isOn() const { return m_isOn; }
    void turnOn();
    void turnOff();
    void toggleSpotlight();
    // The floating toolbar, shown while on when the settings want it. Not owned.
    void setToolbar(Toolbar* toolbar) { m_toolbar = toolbar; }
    // What happens outside the pointer's windows, watched while on. Not owned.
    void setDesktopWatch(DesktopWatch* watch);
    // Stores whether the toolbar is wanted and, while on, shows or hides it.
    void setToolbarVisible(bool visible);
    // Chooses a drawing tool, which puts the laser away.
    void choose(Tool tool);
    // Paints a fixed scene on the main screen's overlay; it is not undoable ink.
    void demoInk(const std::vector<DemoStroke>& strokes, const std::vector<QPointF>& steps);

    // Something on screen may move again (the mouse moved, a setting changed):
    // make sure frames are coming.
    void wake();
    // One frame of motion: reads the mouse and the settings, places the hand,
    // laser and spotlight on every screen, and paints what changed.
    void tick();
    // The screens changed while on: the ink goes and the windows are rebuilt.
    void screensChanged();

    const std::vector<std::unique_ptr<OverlayWindow>>& windows() const { return m_windows; }
    Motion& motion() { return m_motion; }
    const FrameClock& clock() const { return m_clock; }

    void pressed(QPointF point, Qt::MouseButton button, OverlayView& view) override;
    void moved(QPointF point, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers,
               OverlayView& view) override;
    void released(Qt::MouseButton button, OverlayView& view) override;
    bool keyPressed(const QKeyEvent& event) override;
    // Does what the key for `command` does on the overlay, also while off.
    void perform(const KeyCommands::Command& command);

    // A compositor started or stopped: while on, the windows switch at once.
    void compositorChanged();

  signals:
    void isOnChanged(bool on);
    // The spotlight was asked for where it cannot be shown.
    void spotlightUnavailable();

  private:
    // The frame without its paint: the motion model steps and layers move.
    void move();
    void watchScreens();
    void buildWindows();
    void showWindows();
    void dropWindows();
    void startLink();
    void flushDamage();
    void showToolbar();
    // Whether the mouse (model coordinates) is over the visible toolbar, with a margin.
    bool isOverToolbar(QPointF mouse) const;
    void setOverToolbar(bool over);
    void useShapes();
    // While shaped, clicks between the shapes would reach the windows
    // beneath: the window under the mouse holds the pointer instead.
    void holdPointer(QPointF mouse);
    // Where the mouse is now (model coordinates): as an overlay window heard
    // it since the last frame, else asked of the server.
    QPointF mouseNow();
    // Another window covered the overlays: they go back on top, with the
    // toolbar and its pop-ups above them, a few times a second at most.
    void coverAgain();
    void raiseWindows();

    Prefs& m_prefs;
    InkBoard& m_ink;
    HandSprites& m_sprites;
    ActiveWindow& m_activeWindow;
    FrameStats::Log* m_stats;

    bool m_isOn = false;
    std::vector<std::unique_ptr<OverlayWindow>> m_windows;
    FrameClock m_clock;
    Motion m_motion;
    bool m_screensChangePending = false;
    Toolbar* m_toolbar = nullptr;
    bool m_overToolbar = false;
    bool m_shaped = false;
    OverlayWindow* m_holding = nullptr;
    DesktopWatch* m_desktop = nullptr;
    QPointF m_mouse;           // as last heard, model coordinates
    bool m_mouseHeard = false; // an overlay window heard the mouse since the last frame
    QTimer m_raiseTimer;
    QElapsedTimer m_sinceRaise;
};
