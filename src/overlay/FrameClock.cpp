#include "overlay/FrameClock.h"

#include <cmath>

// Qt timers count whole milliseconds, so a fixed 17 ms interval would give
// 58.8 frames on a 60 Hz screen. Each frame is instead aimed at the next
// point of an exact grid of refresh periods, the waits coming out as 16 or
// 17 ms in turn.
FrameClock::FrameClock() {
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &FrameClock::fire);
    m_elapsed.start();
}

void FrameClock::start(double refreshRate, std::function<void()> frame) {
    const double rate = std::isfinite(refreshRate) && refreshRate >= 20 ? refreshRate : 60;
    m_frame = std::move(frame);
    m_periodNs = qint64(std::llround(1e9 / rate));
    m_sleeping = false;
    m_lastNs = -1;
    m_nextNs = m_elapsed.nsecsElapsed();
    armForNextFrame();
}

void FrameClock::invalidate() {
    m_timer.stop();
    m_frame = nullptr;
}

void FrameClock::sleep() {
    m_sleeping = true;
    m_timer.stop();
}

void FrameClock::wake(bool soon) {
    if (!m_frame) return;
    if (m_inFrame) { // the frame under way arms the next one itself
        m_sleeping = false;
        return;
    }
    const qint64 now = m_elapsed.nsecsElapsed();
    // A little short of a period still counts as due, so that news arriving
    // once per refresh (a 60 Hz mouse) is never held back to the next tick.
    const bool due = m_lastNs < 0 || now - m_lastNs >= m_periodNs * 9 / 10;
    if (soon && due) {
        m_sleeping = false;
        m_timer.start(0); // after the events already queued
        return;
    }
    if (!m_sleeping) return;
    m_sleeping = false;
    m_nextNs = now;
    armForNextFrame();
}

void FrameClock::fire() {
    if (!m_frame) return;
    const qint64 now = m_elapsed.nsecsElapsed();
    // A frame brought forward starts a fresh grid.
    if (now + 500'000 < m_nextNs) m_nextNs = now;
    m_lastNs = now;
    m_inFrame = true;
    m_frame(); // may sleep, wake or invalidate
    m_inFrame = false;
    if (m_frame && !m_sleeping) armForNextFrame();
}

void FrameClock::armForNextFrame() {
    const qint64 now = m_elapsed.nsecsElapsed();
    m_nextNs += m_periodNs;
    // Fell behind (a slow frame, a busy machine): start a fresh grid rather
    // than firing a burst of late frames.
    if (m_nextNs <= now) m_nextNs = now + m_periodNs;
    m_timer.start(int((m_nextNs - now + 500'000) / 1'000'000));
}
