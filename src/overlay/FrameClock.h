#pragma once
// The display link: calls back on the main thread once per refresh of the
// first screen while running. It sleeps when told that nothing moves and is
// woken at once by motion, so a still pointer costs no frames at all. News
// that comes when a frame is due is shown at once rather than at the next
// tick: the frame follows the mouse sooner, and the process wakes once per
// move instead of twice.

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>

class FrameClock : public QObject {
    Q_OBJECT
  public:
    FrameClock();

    // Starts (or restarts) firing at `refreshRate` frames per second.
    void start(double refreshRate, std::function<void()> frame);
    // Stops and forgets the callback: no timer remains.
    void invalidate();
    // While valid: pause until wake(), or fire again.
    void sleep();
    // Something moved. With `soon`, the next frame comes right after the
    // events at hand if most of a period has passed since the last one.
    void wake(bool soon = false);

    bool isValid() const { return bool(m_frame); }
    bool isSleeping() const { return m_sleeping; }

  private:
    void fire();
    void armForNextFrame();

    QTimer m_timer;
    QElapsedTimer m_elapsed;
    std::function<void()> m_frame;
    qint64 m_periodNs = 16'666'667;
    qint64 m_nextNs = 0;
    qint64 m_lastNs = -1; // when the last frame began
    bool m_inFrame = false;
    bool m_sleeping = false;
};
