#include "handart/CustomHand.h"
#include "handart/HandSkin.h"
#include "handart/PhotoSprite.h"

#include <QTest>
#include <initializer_list>

namespace {
struct Run {
    int row, from, to, alpha = 255;
};

// A transparent W × H cut-out with the given runs of pixels made visible.
QImage cutOut(int width, int height, std::initializer_list<Run> runs) {
    QImage image(width, height, QImage::Format_RGBA8888);
    image.fill(Qt::transparent);
    for (const Run& run : runs)
        for (int x = run.from; x <= run.to; ++x)
            image.setPixelColor(x, run.row, QColor(200, 150, 120, run.alpha));
    return image;
}
} // namespace

class TestLandmarks : public QObject {
    Q_OBJECT

  private slots:
    void findsTipAndWrist_data() {
        QTest::addColumn<QImage>("image");
        QTest::addColumn<QPointF>("tip");
        QTest::addColumn<QPointF>("wrist");

        QTest::newRow("upper middle of the top row; a three-pixel bottom row is skipped")
            << cutOut(50, 40, {{0, 10, 13}, {38, 20, 41}, {39, 0, 2}}) << QPointF(12, 0)
            << QPointF(30.5, 38);
        QTest::newRow("fully transparent")
            << cutOut(31, 20, {}) << QPointF(15.5, 0) << QPointF(15.5, 20);
        QTest::newRow("alpha 128 is not hand, 129 is")
            << cutOut(30, 20, {{5, 7, 7, 128}, {6, 8, 10, 129}, {18, 4, 9, 129}, {19, 0, 29, 128}})
            << QPointF(9, 6) << QPointF(6.5, 18);
        QTest::newRow("gaps inside a row count from the ends")
            << cutOut(40, 30, {{3, 17, 17}, {29, 2, 3}, {29, 30, 31}}) << QPointF(17, 3)
            << QPointF(16.5, 29);
        QTest::newRow("a tip but no row wide enough for a wrist")
            << cutOut(20, 10, {{4, 5, 6}, {9, 1, 3}}) << QPointF(6, 4) << QPointF(10, 10);
        QImage opaque(10, 8, QImage::Format_RGB32);
        opaque.fill(Qt::gray);
        QTest::newRow("no alpha channel: all hand") << opaque << QPointF(5, 0) << QPointF(4.5, 7);
    }

    void findsTipAndWrist() {
        QFETCH(QImage, image);
        QFETCH(QPointF, tip);
        QFETCH(QPointF, wrist);
        const Landmarks found = CustomHand::landmarks(image);
        QCOMPARE(found.tip, tip);
        QCOMPARE(found.wrist, wrist);
    }

    void spriteFillsTheHeightAndScalesTheLandmarks() {
        // A finger down the middle of a 300 × 600 cut-out, a wide bottom row.
        QImage image = cutOut(300, 600, {{599, 100, 199}});
        for (int row = 0; row < 599; ++row)
            for (int x = 140; x < 160; ++x)
                image.setPixelColor(x, row, QColor(200, 150, 120));
        const auto sprite = PhotoSprite::make(image, 44, 2);
        QVERIFY(sprite);
        QCOMPARE(sprite->size, QSizeF(22, 44));
        QCOMPARE(sprite->image.size(), QSize(44, 88));
        QCOMPARE(sprite->image.devicePixelRatio(), 2.0);
        const double k = 44.0 / 600;
        QCOMPARE(sprite->tip, QPointF(150 * k, 0));
        QCOMPARE(sprite->wrist, QPointF(149.5 * k, 599 * k));
        QCOMPARE(sprite->stick, HandSkin::wood.toColor());
    }

    void tooNarrowOrTooSmallGivesNoSprite() {
        const QImage sliver = cutOut(1, 600, {{0, 0, 0}});
        QVERIFY(!PhotoSprite::make(sliver, 44, 1)); // 0.07 pixels wide
        QVERIFY(!PhotoSprite::make(cutOut(300, 600, {}), 0.4, 1));
        QVERIFY(!PhotoSprite::make(QImage(), 44, 2));
    }

    void shadowFallsTwoPointsDown() {
        QImage image(100, 100, QImage::Format_RGBA8888);
        image.fill(Qt::transparent);
        for (int y = 20; y < 60; ++y)
            for (int x = 20; x < 80; ++x)
                image.setPixelColor(x, y, QColor(250, 200, 150));
        const auto sprite = PhotoSprite::make(image, 100, 1);
        QVERIFY(sprite);
        const QColor below = sprite->image.pixelColor(50, 61);
        const QColor above = sprite->image.pixelColor(50, 18);
        QVERIFY(below.alpha() > 30 && below.alpha() <= 77); // at most 30 %
        QCOMPARE(below.red() + below.green() + below.blue(), 0);
        QVERIFY(above.alpha() < below.alpha());
        QCOMPARE(sprite->image.pixelColor(50, 40), QColor(250, 200, 150));
    }
};

QTEST_MAIN(TestLandmarks)
#include "test_landmarks.moc"
