#include "overlay/FrameClock.h"

#include <cmath>

FrameClock::FrameClock() {
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        if (m_frame) m_frame();
    });
}

void FrameClock::start(double refreshRate, std::function<void()> frame) {
    const double rate = std::isfinite(refreshRate) && refreshRate >= 20 ? refreshRate : 60;
    m_frame = std::move(frame);
    m_timer.setInterval(std::max(1, int(std::lround(1000.0 / rate))));
    m_timer.start();
}

void FrameClock::invalidate() {
    m_timer.stop();
    m_frame = nullptr;
}

void FrameClock::sleep() { m_timer.stop(); }

void FrameClock::wake() {
    if (m_frame && !m_timer.isActive()) m_timer.start();
}
