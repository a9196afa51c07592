// The hand's motion model, where the sprite puts the fingertip and the stick,
// and which screen holds a point.
#include "overlay/Motion.h"
#include "overlay/OverlayView.h"
#include "overlay/ScreenSpace.h"

#include <QTest>
#include <cmath>

namespace {
HandSprite spriteOf(QSizeF size, QPointF tip, QPointF wrist) {
    HandSprite s;
    s.image = QImage(size.toSize(), QImage::Format_ARGB32_Premultiplied);
    s.image.fill(Qt::white);
    s.size = size;
    s.tip = tip;
    s.wrist = wrist;
    s.stick = QColor(183, 129, 74);
    return s;
}

// Steps at 60 Hz with the mouse at `path(t)`; returns the final time.
template <typename Path>
double run(Motion& m, double from, double seconds, bool sway, Path path, double* maxTilt = nullptr,
           bool laser = false) {
    double t = from;
    for (int i = 0; i < int(seconds * 60); ++i) {
        t += 1.0 / 60;
        m.step(t, path(t), sway, laser);
        if (maxTilt) *maxTilt = std::max(*maxTilt, std::abs(m.angle - Motion::restAngle));
    }
    return t;
}
} // namespace

class TestMotion : public QObject {
    Q_OBJECT

  private slots:
    void theFingertipSitsOnTheMouseAndTheStickLeavesThroughTheWrist() {
        OverlayView v({1280, 800}, 2);
        v.use(spriteOf({120, 152}, {58, 14}, {65, 139}), "classic", 152);
        const QPointF mouse(400, 300);
        v.arm->setPosition(mouse);
        for (const auto& [angle, squash] :
             {std::pair{0.36, 1.0}, {0.36, 0.9}, {0.91, 1.0}, {-0.19, 0.95}}) {
            v.arm->setTransform(QTransform().rotateRadians(angle).scale(squash, squash));
            QVERIFY(QLineF(v.arm->mapToRoot({58, 152 - 14}), mouse).length() < 1e-6);
            QVERIFY(v.arm->mapToRoot({65, 152 - 139}).y() < mouse.y()); // the wrist hangs below
        }
        v.arm->setTransform({});
        // The stick's top sits a tenth of the hand's height inside the wrist and
        // runs on in the direction from the fingertip through the wrist.
        const QPointF tip = v.arm->mapToRoot({58, 138}), wrist = v.arm->mapToRoot({65, 13});
        const double w = v.stick->bounds().width();
        const QPointF top = v.stick->mapToRoot({w / 2, 5000}), far = v.stick->mapToRoot({w / 2, 0});
        QCOMPARE(w, 0.075 * 152);
        QVERIFY(std::abs(QLineF(top, wrist).length() - 15.2) < 1e-6);
        const QPointF along = wrist - tip, out = far - wrist;
        QVERIFY(QPointF::dotProduct(along, out) > 0);
        QVERIFY(std::abs(along.x() * out.y() - along.y() * out.x()) <
                1e-6 * QLineF({}, out).length());
        v.use(spriteOf({20, 30}, {10, 2}, {11, 28}), "classic", 30); // never thinner than 6 points
        QCOMPARE(v.stick->bounds().width(), 6.0);
        QVERIFY(v.shows("classic", 30) && !v.shows("classic", 152) && !v.shows("neon", 30));
    }

    void everyPixelRowBelongsToExactlyOneScreen() {
        const QRectF main(0, 0, 1920, 1080);
        const QRectF frames[] = {ScreenSpace::frameToModel(main, main),
                                 ScreenSpace::frameToModel({0, 1080, 1920, 1080}, main)};
        const auto screen = [&](QPointF qtMouse) { // 0 main, 1 below it, -1 none, 2 both
            const QPointF mouse = ScreenSpace::toModel(qtMouse, main);
            const bool a = ScreenSpace::holds(frames[0], mouse),
                       b = ScreenSpace::holds(frames[1], mouse);
            return a && b ? 2 : a ? 0 : b ? 1 : -1;
        };
        QCOMPARE(screen({500, 0}), 0); // the top row shows the hand too
        QCOMPARE(screen({500, 1079}), 0);
        QCOMPARE(screen({500, 1080}), 1);
        QCOMPARE(screen({1920, 500}), -1);
        QCOMPARE(ScreenSpace::frameToModel({1440, 0, 1920, 1080}, {0, 0, 1440, 900}),
                 QRectF(1440, -180, 1920, 1080));
    }

    void withSwayOffTheHandSettlesAtRest() {
        Motion m;
        m.reset({0, 0});
        m.angle = 1.2;
        double t = run(m, 1, 0.5, false, [](double t) { return QPointF(5000 * t, 30 * t); });
        run(m, t, 2, false, [](double) { return QPointF(100, 100); });
        QVERIFY(std::abs(m.angle - Motion::restAngle) < 1e-4);
        QVERIFY(m.isSettled(false));
    }

    void aFlickTiltsWithinTheLimitSwingsBackPastRestAndSettles() {
        Motion m;
        m.reset({0, 0});
        double maxTilt = 0;
        double t = run(
            m, 1, 0.6, true, [](double t) { return QPointF(20000 * (t - 1), 0); }, &maxTilt);
        QVERIFY(m.angle < Motion::restAngle);         // moving right lowers the angle
        QVERIFY(maxTilt <= Motion::tiltLimit * 1.35); // spring overshoot only
        const QPointF stop(20000 * (t - 1), 0);
        double peak = -10;
        for (int i = 0; i < 120; ++i) {
            m.step(t += 1.0 / 60, stop, true, false);
            peak = std::max(peak, m.angle);
        }
        QVERIFY(peak > Motion::restAngle);
        run(m, t, 3, true, [&](double) { return stop; });
        QVERIFY(m.isSettled(true));
    }

    void pokeDecaysAndTheTimeStepIsClamped() {
        Motion m;
        m.reset({0, 0});
        QCOMPARE(m.step(10, {0, 0}, true, false), Motion::firstStep);
        m.poke = 1;
        QCOMPARE(m.step(10.001, {0, 0}, true, false), Motion::smallestStep);
        // A stall (system sleep) is one largest step, so the spring cannot explode.
        QCOMPARE(m.step(500, {0, 0}, true, false), Motion::largestStep);
        run(m, 500, 0.5, true, [](double) { return QPointF(0, 0); });
        QVERIFY(m.poke < 1e-3 && std::isfinite(m.angle));
    }

    void theSpotAndTheLaserTrailFollowTheMouse() {
        Motion m;
        m.reset({0, 0});
        m.step(1, {0, 0}, true, false);
        m.step(2, {1000, -500}, true, false); // a long step must not overshoot
        QVERIFY(m.spot.x() > 0 && m.spot.x() < 1000 && m.spot.y() < 0 && m.spot.y() > -500);
        const double t = run(
            m, 2, 1, true, [](double t) { return QPointF(100 * t, 0); }, nullptr, true);
        QVERIFY(t - m.trailPoints.front().time <= Motion::trailLifetime + 1e-9);
        QCOMPARE(int(m.trailPoints.size()), 11); // 0.18 s of 60 Hz frames
        m.step(t + 1.0 / 60, {0, 0}, true, false);
        QVERIFY(m.trailPoints.empty());
    }
};

QTEST_MAIN(TestMotion)
#include "test_motion.moc"
