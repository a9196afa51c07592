#pragma once
// The pointer controller: whether the overlay is up, its windows (one per
// screen), the frame clock that drives the motion, and the ink state.

#include "handart/HandSprites.h"
#include "layers/Layer.h"
#include "layers/ShapeLayer.h"
#include "overlay/FrameClock.h"
#include "overlay/Motion.h"
#include "prefs/Tool.h"

#include <QObject>
#include <QPointF>
#include <functional>
#include <memory>
#include <vector>

class OverlayView;
class OverlayWindow;
class QKeyEvent;

// One stroke of demonstration ink: a tool and its points (view points, y up).
struct DemoStroke {
    Tool tool;
    std::vector<QPointF> points;
};

class Pointer : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool isOn READ isOn NOTIFY isOnChanged)
    Q_PROPERTY(int stepNumber READ stepNumber NOTIFY stepNumberChanged)
    Q_PROPERTY(bool inkEmpty READ inkEmpty NOTIFY inkEmptyChanged)

public:
    static Pointer& shared();

    bool isOn() const { return m_isOn; }
    int stepNumber() const { return m_stepNumber; }
    bool inkEmpty() const { return m_inkEmpty; }

    // Called with the new state after every real change of isOn.
    std::function<void(bool)> onChange;

    void turnOn();
    void turnOff();
    // Removes all ink; touches neither the windows nor the hand.
    void clear();
    void toggleSpotlight();

    // Tapping and drawing. Points are in the view's coordinates (points, y up).
    void down(QPointF point, OverlayView& view);
    void dragged(QPointF point, bool straight, OverlayView& view);
    void up(OverlayView& view);
    // Paints a fixed scene on the main screen's overlay; it is not undoable ink.
    void demoInk(const std::vector<DemoStroke>& strokes, const std::vector<QPointF>& steps);

    // Finished ink: kept for undo, and faded after the chosen delay.
    void add(const LayerPtr& layer);
    void remove(const LayerPtr& layer);
    void undo();
    void choose(Tool tool);
    // A key pressed on the overlay; false when it is not ours to handle.
    bool key(const QKeyEvent& event);
    const std::vector<LayerPtr>& items() const { return m_items; }

    // Something on screen may move again (the mouse moved, a setting changed):
    // make sure frames are coming.
    void wake();

    const std::vector<std::unique_ptr<OverlayWindow>>& windows() const { return m_windows; }
    const Motion& motion() const { return m_motion; }
    Motion& motion() { return m_motion; }
    const FrameClock& clock() const { return m_clock; }

    // One frame of motion: reads the mouse and the settings, places the hand,
    // laser and spotlight on every screen, and asks for the repaints.
    void tick();

signals:
    void isOnChanged();
    void stepNumberChanged();
    void inkEmptyChanged();

protected:
    Pointer();

private:
    void buildWindows();
    void dropWindows();
    void screensChanged();
    void startLink();
    void setStepNumber(int value);
    void setInkEmpty(bool value);
    void flushDamage();

    bool m_isOn = false;
    HandSprites m_sprites;
    std::vector<std::unique_ptr<OverlayWindow>> m_windows;
    FrameClock m_clock;
    Motion m_motion;
    bool m_screensChangePending = false;

    void ripple(QPointF point, OverlayView& view);
    // Fades the item out `seconds` from now, unless it is gone by then.
    void scheduleFade(const LayerPtr& layer, double seconds);

    std::vector<LayerPtr> m_items;
    std::shared_ptr<ShapeLayer> m_current;
    std::vector<QPointF> m_points;
    QPointF m_downPoint;
    bool m_dragging = false;
    int m_stepNumber = 1;
    bool m_inkEmpty = true;
};
