// One screen's overlay: the hand on its stick, the motion that sways it, screen
// coordinates, and the frame statistics.
#include "overlay/FrameStats.h"
#include "overlay/Motion.h"
#include "overlay/OverlayView.h"
#include "overlay/ScreenSpace.h"

#include <QFile>
#include <QTemporaryDir>
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

bool near(QPointF a, QPointF b, double tolerance = 1e-6) {
    return std::abs(a.x() - b.x()) < tolerance && std::abs(a.y() - b.y()) < tolerance;
}
} // namespace

class TestOverlay : public QObject {
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
    // At rest, poked (squashed) and flicked either way; the wrist always hangs below (y up).
    void theFingertipSitsOnTheMouseWhateverTheTiltAndSquash() {
        OverlayView v({1280, 800}, 1);
        v.use(spriteOf({120, 152}, {58, 14}, {65, 139}), "k");
        const QPointF mouse(400, 300);
        v.arm->setPosition(mouse);
        const std::pair<double, double> tilts[] = {
            {0.36, 1}, {0.36, 0.9}, {0.91, 1}, {-0.19, 0.95}};
        for (const auto& [angle, squash] : tilts) {
            v.arm->setTransform(QTransform().rotateRadians(angle).scale(squash, squash));
            QVERIFY(near(v.arm->mapToRoot({58, 152 - 14}), mouse));
            QVERIFY(v.arm->mapToRoot({65, 152 - 139}).y() < mouse.y());
        }
    }

    void theStickLeavesTheWristAwayFromTheFingertip() {
        OverlayView v({1280, 800}, 2);
        v.use(spriteOf({120, 152}, {58, 14}, {65, 139}), "k");
        v.arm->setPosition({640, 400});
        QCOMPARE(v.stick->bounds().width(), 0.075 * 152);
        QCOMPARE(v.stick->bounds().height(), 5000.0);
        // The stick's top (its anchor) is inside the hand, a tenth of the
        // height from the wrist towards the tip; its far end runs on past the wrist.
        const QPointF tip = v.arm->mapToRoot({58, 138});
        const QPointF wrist = v.arm->mapToRoot({65, 13});
        const QPointF top = v.stick->mapToRoot({v.stick->bounds().width() / 2, 5000});
        const QPointF far = v.stick->mapToRoot({v.stick->bounds().width() / 2, 0});
        QVERIFY(std::abs(std::hypot(top.x() - wrist.x(), top.y() - wrist.y()) - 15.2) < 1e-6);
        const QPointF along = wrist - tip;
        const QPointF out = far - wrist;
        QVERIFY(along.x() * out.x() + along.y() * out.y() > 0); // same direction
        const double cross = along.x() * out.y() - along.y() * out.x();
        QVERIFY(std::abs(cross) / std::hypot(along.x(), along.y()) / std::hypot(out.x(), out.y()) <
                1e-9);
        QCOMPARE(v.hand->contentsScale(), 2.0);
        v.use(spriteOf({20, 30}, {10, 2}, {11, 28}), "small"); // still a stick 6 points wide
        QCOMPARE(v.stick->bounds().width(), 6.0);
    }

    void theSameKeyInstallsNothingANewKeyRecomputes() {
        OverlayView v({100, 100}, 1);
        v.use(spriteOf({120, 152}, {58, 14}, {65, 139}), "a");
        const QRectF first = v.arm->bounds();
        v.use(spriteOf({60, 76}, {29, 7}, {32, 70}), "a");
        QCOMPARE(v.arm->bounds(), first);
        v.use(spriteOf({60, 76}, {29, 7}, {32, 70}), "b");
        QCOMPARE(v.arm->bounds(), QRectF(0, 0, 60, 76));
        QCOMPARE(v.spriteKey(), QStringLiteral("b"));
    }

    void theLayersStackInDrawingOrderAndStartHidden() {
        OverlayView v({300, 200}, 1);
        const std::vector<LayerPtr> order{v.dim, v.ink, v.arm, v.trail, v.laser, v.effects};
        QCOMPARE(v.root->sublayers(), order);
        QVERIFY(v.arm->isHidden() && v.laser->isHidden() && v.trail->isHidden() &&
                v.dim->isHidden());
        QVERIFY(!v.arm->allowsImplicitAnimation("position"));
    }

    void everyPixelRowBelongsToExactlyOneScreen() {
        const QRectF main(0, 0, 1920, 1080);
        const QRectF frames[] = {ScreenSpace::frameToModel(main, main),
                                 ScreenSpace::frameToModel({0, 1080, 1920, 1080}, main)};
        // Which screen holds a point given in Qt's coordinates: 0 main, 1 below it, -1 none.
        const auto screen = [&](QPointF qtMouse) {
            const QPointF mouse = ScreenSpace::toModel(qtMouse, main);
            const bool inMain = ScreenSpace::holds(frames[0], mouse);
            const bool inBelow = ScreenSpace::holds(frames[1], mouse);
            return inMain && inBelow ? 2 : inMain ? 0 : inBelow ? 1 : -1;
        };
        QCOMPARE(screen({500, 0}), 0); // the top row, where the hand must show too
        QCOMPARE(screen({500, 1079}), 0);
        QCOMPARE(screen({500, 1080}), 1);
        QCOMPARE(screen({0, 500}), 0);
        QCOMPARE(screen({1920, 500}), -1);
    }

    void modelCoordinatesHaveYUpFromTheMainScreensBottomLeft() {
        const QRectF main(0, 0, 1440, 900);
        QCOMPARE(ScreenSpace::toModel({0, 900}, main), QPointF(0, 0));
        QCOMPARE(ScreenSpace::toModel({100, 0}, main), QPointF(100, 900));
        // A second screen to the right, its top aligned with the main one's.
        QCOMPARE(ScreenSpace::frameToModel({1440, 0, 1920, 1080}, main),
                 QRectF(1440, -180, 1920, 1080));
        // A main screen that is not at the desktop's origin.
        QCOMPARE(ScreenSpace::toModel({1500, 50}, QRectF(1440, 0, 1920, 1080)), QPointF(60, 1030));
    }

    void recordsAreWholeLinesAppendedToWhatIsThere() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("frames.txt"));
        {
            QFile earlier(path);
            QVERIFY(earlier.open(QIODevice::WriteOnly));
            earlier.write("tick 1.0\n");
        }
        {
            FrameStats::Log log(path);
            QVERIFY(log.isOpen());
            log.tick(123'456);
            log.paint(2'000, 4'147'200);
        }
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("tick 1.0\ntick 123.5\npaint 2.0 4147200\n"));
    }

    void anUnwritablePathRecordsNothing() {
        FrameStats::Log log(QStringLiteral("/nonexistent-folder/frames.txt"));
        QVERIFY(!log.isOpen());
        log.tick(1000); // harmless
        FrameStats::Log unnamed{QString()};
        QVERIFY(!unnamed.isOpen());
    }

    void pixelCountIsInDevicePixels() {
        const QRegion overlapping = QRegion(0, 0, 100, 100) + QRegion(50, 50, 100, 100);
        QCOMPARE(qint64(FrameStats::pixelCount(QRegion(), 1)), 0);
        QCOMPARE(qint64(FrameStats::pixelCount(overlapping, 1)), 17'500); // overlap counted once
        QCOMPARE(qint64(FrameStats::pixelCount(overlapping, 2)), 70'000);
    }

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
        double t = run(
            m, 1, 0.6, true, [](double t) { return QPointF(20000 * (t - 1), 0); }, &maxTilt);
        QVERIFY(m.angle < Motion::restAngle);         // moving right lowers the angle
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
        double t = run(
            m, 1, 1, true, [](double t) { return QPointF(100 * t, 0); }, nullptr, true);
        QVERIFY(!m.trailPoints.empty());
        QVERIFY(t - m.trailPoints.front().time <= Motion::trailLifetime + 1e-9);
        QCOMPARE(int(m.trailPoints.size()), 11); // 0.18 s of 60 Hz frames
        m.step(t + 1.0 / 60, {0, 0}, true, false);
        QVERIFY(m.trailPoints.empty());
    }
};

QTEST_MAIN(TestOverlay)
#include "test_overlay.moc"
