#pragma once
// The small physical model behind the hand: a smoothed horizontal mouse speed
// tilts the stick, a damped spring makes it sway and settle, a tap's "poke"
// squash decays, the spotlight centre trails the mouse, and the laser keeps a
// short trail. Pure state and arithmetic, so it can be stepped in tests.

#include <QPointF>
#include <vector>

struct TrailPoint {
    QPointF point; // global, points, y up
    double time;   // media time, seconds
};

struct Motion {
    static constexpr double restAngle = 0.36;
    static constexpr double firstStep = 1.0 / 60;
    static constexpr double smallestStep = 1.0 / 240;
    static constexpr double largestStep = 1.0 / 30;
    static constexpr double velocityRate = 14;
    static constexpr double tiltPerVelocity = -0.00042;
    static constexpr double tiltLimit = 0.55;
    static constexpr double stiffness = 170;
    static constexpr double damping = 15;
    static constexpr double pokeRate = 16;
    static constexpr double spotRate = 22;
    static constexpr double trailLifetime = 0.18;
    static constexpr double handSquash = 0.1;
    static constexpr double laserSquash = 0.3;

    double lastTime = 0; // 0: no step has run yet
    QPointF lastMouse;
    double velocity = 0;
    double angle = 0;
    double spin = 0;
    double poke = 0;
    QPointF spot;
    std::vector<TrailPoint> trailPoints;

    // Where the pointer comes up: the hand at rest on the mouse.
    void reset(QPointF mouse);

    // Advances the model to `now` with the mouse at `mouse`; returns the time step used.
    double step(double now, QPointF mouse, bool sway, bool laser);

    // True when another step with the mouse still would change nothing visible,
    // so the frame clock may sleep until the mouse moves or a tap pokes.
    bool isSettled(bool sway) const;
};
