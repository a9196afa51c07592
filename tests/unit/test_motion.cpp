#include "overlay/Motion.h"

#include <QTest>
#include <cmath>

class TestMotion : public QObject {
    Q_OBJECT

    // Steps at 60 Hz with the mouse following `path(t)`; returns the final time.
    template <typename Path>
    static double run(Motion& m, double from, double seconds, bool sway, Path path,
                      double* maxTilt = nullptr, bool laser = false) {
        double t = from;
        for (int i = 0; i < int(seconds * 60); ++i) {
            t += 1.0 / 60;
            m.step(t, path(t), sway, laser);
            if (maxTilt) *maxTilt = std::max(*maxTilt, std::abs(m.angle - Motion::restAngle));
        }
        return t;
    }

private slots:
    void withSwayOffTheHandSettlesAtRestWhateverTheMouseDoes() {
        Motion m;
        m.reset({0, 0});
        m.angle = 1.2; // knocked far off
        double t = run(m, 1, 0.5, false, [](double t) { return QPointF(5000 * t, 30 * t); });
        t = run(m, t, 2, false, [](double) { return QPointF(100, 100); });
        QVERIFY(std::abs(m.angle - Motion::restAngle) < 1e-4);
        QVERIFY(m.isSettled(false));
    }

    void aFlickTiltsWithinTheLimitThenSwingsBackPastRestAndSettles() {
        Motion m;
        m.reset({0, 0});
        double maxTilt = 0;
        // Very fast rightward flick: the target saturates at rest - 0.55.
        double t = run(m, 1, 0.6, true, [](double t) { return QPointF(20000 * (t - 1), 0); }, &maxTilt);
        QVERIFY(m.angle < Motion::restAngle); // moving right lowers the angle
        QVERIFY(maxTilt <= Motion::tiltLimit * 1.35); // spring overshoot only, never runaway
        const QPointF stop(20000 * (t - 1), 0);
        double peak = -10;
        for (int i = 0; i < 120; ++i) {
            t += 1.0 / 60;
            m.step(t, stop, true, false);
            peak = std::max(peak, m.angle);
        }
        QVERIFY(peak > Motion::restAngle); // swung back past rest
        t = run(m, t, 3, true, [&](double) { return stop; });
        QVERIFY(std::abs(m.angle - Motion::restAngle) < 1e-3);
        QVERIFY(m.isSettled(true));
    }

    void theTiltTargetSaturates() {
        // Keep the speed constant long enough for the spring to settle on its target.
        Motion slow, fast;
        slow.reset({0, 0});
        fast.reset({0, 0});
        run(slow, 1, 4, true, [](double t) { return QPointF(-1400 * t, 0); });
        run(fast, 1, 4, true, [](double t) { return QPointF(-9000 * t, 0); });
        QVERIFY(std::abs(slow.angle - (Motion::restAngle + 0.55)) < 1e-3);
        QVERIFY(std::abs(fast.angle - (Motion::restAngle + 0.55)) < 1e-3);
    }

    void pokeDecaysAndTheTimeStepIsClamped() {
        Motion m;
        m.reset({0, 0});
        QCOMPARE(m.step(10, {0, 0}, true, false), Motion::firstStep); // no step has run yet
        m.poke = 1;
        QCOMPARE(m.step(10.001, {0, 0}, true, false), Motion::smallestStep);
        QCOMPARE(m.poke, 1 - 16 * Motion::smallestStep);
        // A stall (system sleep) is one largest step, so the spring cannot explode.
        QCOMPARE(m.step(500, {0, 0}, true, false), Motion::largestStep);
        run(m, 500, 0.5, true, [](double) { return QPointF(0, 0); });
        QVERIFY(m.poke < 1e-3);
        QVERIFY(std::isfinite(m.angle) && std::abs(m.angle - Motion::restAngle) < 0.2);
    }

    void theSpotlightTrailsTheMouseWithoutOvershoot() {
        Motion m;
        m.reset({0, 0});
        m.step(1, {0, 0}, true, false);
        m.step(2, {1000, -500}, true, false); // a long step: min(22·dt, 1) caps the approach
        QVERIFY(m.spot.x() > 0 && m.spot.x() < 1000);
        QVERIFY(m.spot.y() < 0 && m.spot.y() > -500);
    }

    void theLaserTrailKeepsOnlyTheLastMomentAndEmptiesWhenOff() {
        Motion m;
        m.reset({0, 0});
        double t = run(m, 1, 1, true, [](double t) { return QPointF(100 * t, 0); }, nullptr, true);
        QVERIFY(!m.trailPoints.empty());
        QVERIFY(t - m.trailPoints.front().time <= Motion::trailLifetime + 1e-9);
        QCOMPARE(int(m.trailPoints.size()), 11); // 0.18 s of 60 Hz frames
        m.step(t + 1.0 / 60, {0, 0}, true, false);
        QVERIFY(m.trailPoints.empty());
    }
};

QTEST_GUILESS_MAIN(TestMotion)
#include "test_motion.moc"
