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

bool near(QPointF a, QPointF b, double tolerance = 1e-6) {
    return std::abs(a.x() - b.x()) < tolerance && std::abs(a.y() - b.y()) < tolerance;
}
} // namespace

class TestOverlay : public QObject {
    Q_OBJECT
private slots:
    void theFingertipSitsOnTheMouseWhateverTheTiltAndSquash_data() {
        QTest::addColumn<double>("angle");
        QTest::addColumn<double>("squash");
        QTest::newRow("rest") << 0.36 << 1.0;
        QTest::newRow("poked") << 0.36 << 0.9;
        QTest::newRow("flick left") << 0.91 << 1.0;
        QTest::newRow("flick right") << -0.19 << 0.95;
    }
    void theFingertipSitsOnTheMouseWhateverTheTiltAndSquash() {
        QFETCH(double, angle);
        QFETCH(double, squash);
        OverlayView v({1280, 800}, 1);
        const HandSprite s = spriteOf({120, 152}, {58, 14}, {65, 139});
        v.use(s, "k");
        QTransform t;
        t.rotateRadians(angle);
        t.scale(squash, squash);
        v.arm->setTransform(t);
        const QPointF mouse(400, 300);
        v.arm->setPosition(mouse);
        // The tip in the arm's own y-up coordinates.
        const QPointF tipLocal(58, 152 - 14);
        QVERIFY(near(v.arm->mapToRoot(tipLocal), mouse));
        // The wrist hangs below the tip (y up) at rest and flicks alike.
        const QPointF wrist = v.arm->mapToRoot({65, 152 - 139});
        QVERIFY(wrist.y() < mouse.y());
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
        QVERIFY(std::abs(cross) / std::hypot(along.x(), along.y()) / std::hypot(out.x(), out.y()) < 1e-9);
        QCOMPARE(v.hand->contentsScale(), 2.0);
    }

    void aSmallHandStillGetsAStickSixPointsWide() {
        OverlayView v({100, 100}, 1);
        v.use(spriteOf({20, 30}, {10, 2}, {11, 28}), "small");
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
        const auto& subs = v.root->sublayers();
        QCOMPARE(int(subs.size()), 6);
        QCOMPARE(subs[0], LayerPtr(v.dim));
        QCOMPARE(subs[1], v.ink);
        QCOMPARE(subs[2], v.arm);
        QCOMPARE(subs[3], LayerPtr(v.trail));
        QCOMPARE(subs[4], v.laser);
        QCOMPARE(subs[5], v.effects);
        QVERIFY(v.arm->isHidden() && v.laser->isHidden() && v.trail->isHidden() && v.dim->isHidden());
        QVERIFY(!v.arm->allowsImplicitAnimation("position"));
    }

    void everyPixelRowBelongsToExactlyOneScreen_data() {
        QTest::addColumn<QPointF>("qtMouse");
        QTest::addColumn<int>("screen"); // 0 main, 1 below it, -1 none
        QTest::newRow("top row of the main screen") << QPointF(500, 0) << 0;
        QTest::newRow("bottom row of the main screen") << QPointF(500, 1079) << 0;
        QTest::newRow("top row of the screen below") << QPointF(500, 1080) << 1;
        QTest::newRow("bottom row of the screen below") << QPointF(500, 2159) << 1;
        QTest::newRow("left column") << QPointF(0, 500) << 0;
        QTest::newRow("past the right edge") << QPointF(1920, 500) << -1;
    }
    void everyPixelRowBelongsToExactlyOneScreen() {
        QFETCH(QPointF, qtMouse);
        QFETCH(int, screen);
        const QRectF main(0, 0, 1920, 1080);
        const QRectF frames[] = {ScreenSpace::frameToModel(main, main),
                                 ScreenSpace::frameToModel({0, 1080, 1920, 1080}, main)};
        const QPointF mouse = ScreenSpace::toModel(qtMouse, main);
        for (int i = 0; i < 2; ++i) QCOMPARE(ScreenSpace::holds(frames[i], mouse), i == screen);
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
};

QTEST_MAIN(TestOverlay)
#include "test_overlay.moc"
