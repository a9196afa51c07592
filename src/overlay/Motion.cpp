#include "overlay/Motion.h"

#include <algorithm>
#include <cmath>

namespace {
// value + min(rate·dt, 1)·(goal − value): approaches without overshooting,
// even for long steps.
double approach(double value, double goal, double rate, double dt) {
    return value + std::min(rate * dt, 1.0) * (goal - value);
}
} // namespace

void Motion::reset(QPointF mouse) {
    lastMouse = mouse;
    spot = mouse;
    angle = restAngle;
    spin = 0;
}

double Motion::step(double now, QPointF mouse, bool sway, bool laser) {
    const double dt =
        lastTime == 0 ? firstStep : std::clamp(now - lastTime, smallestStep, largestStep);
    lastTime = now;

    velocity = approach(velocity, (mouse.x() - lastMouse.x()) / dt, velocityRate, dt);
    lastMouse = mouse;

    const double target =
        sway ? restAngle + std::clamp(tiltPerVelocity * velocity, -tiltLimit, tiltLimit)
             : restAngle;
    // Semi-implicit Euler: the new spin moves the angle.
    spin += dt * (stiffness * (target - angle) - damping * spin);
    angle += dt * spin;

    poke = approach(poke, 0, pokeRate, dt);
    spot = QPointF(approach(spot.x(), mouse.x(), spotRate, dt),
                   approach(spot.y(), mouse.y(), spotRate, dt));

    if (laser) {
        trailPoints.push_back({mouse, now});
        const auto stale =
            std::find_if(trailPoints.begin(), trailPoints.end(),
                         [&](const TrailPoint& p) { return now - p.time <= trailLifetime; });
        trailPoints.erase(trailPoints.begin(), stale);
    } else {
        trailPoints.clear();
    }
    return dt;
}

bool Motion::isSettled(bool sway) const {
    // Thresholds are far below a pixel at any hand size: 1e-4 rad turns a
    // 200-point arm by 0.02 points.
    const double target =
        sway ? restAngle + std::clamp(tiltPerVelocity * velocity, -tiltLimit, tiltLimit)
             : restAngle;
    const bool mouseStill = std::abs(velocity) < 0.5;
    const bool springStill = std::abs(angle - target) < 1e-4 && std::abs(spin) < 1e-3;
    const bool pokeGone = poke < 1e-3;
    const bool spotHome =
        std::abs(spot.x() - lastMouse.x()) < 0.05 && std::abs(spot.y() - lastMouse.y()) < 0.05;
    // A still laser keeps appending the same point, which draws nothing new.
    const bool trailStill = std::all_of(trailPoints.begin(), trailPoints.end(),
                                        [&](const TrailPoint& p) { return p.point == lastMouse; });
    return mouseStill && springStill && pokeGone && spotHome && trailStill;
}
