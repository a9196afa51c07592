// The sprites the pointer shows: painted once per key, the user's photo for
// "custom" while there is one, the classic hand otherwise.
#include "handart/CustomHand.h"
#include "handart/HandPainter.h"
#include "handart/HandSprites.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <limits>

namespace {
// A custom hand whose photo is set directly, without importing one.
struct TestHand : CustomHand {
    using CustomHand::CustomHand;
    using CustomHand::setImage;
};

QImage photo(const QColor& colour, QSize size = {60, 120}) {
    QImage image(size, QImage::Format_RGBA8888);
    image.fill(colour);
    return image;
}
} // namespace

class TestHandArt : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    TestHand m_hand{m_dir.filePath(QStringLiteral("custom-hand.png"))};

  private slots:
    void init() { m_hand.setImage(QImage()); }

    // Sizes that differ in the last bit get sprites of their own.
    void keysUseShortestRoundTripDecimals() {
        QCOMPARE(HandPainter::cacheKey("classic", 44, 2), "classic-44.0-2.0");
        QCOMPARE(HandPainter::cacheKey("classic", 1 / 3.0, 2), "classic-0.3333333333333333-2.0");
        QCOMPARE(HandPainter::cacheKey("classic", 1e21, 2), "classic-1e+21-2.0");
        QCOMPARE(HandPainter::cacheKey("classic", HUGE_VAL, 1), "classic-inf-1.0");
    }

    void eachSizeIsPaintedOnceThenServedFromTheCache() {
        HandSprites sprites(m_hand);
        const QImage first = sprites.sprite("cobalt", 116, 2).image;
        QCOMPARE(first, HandPainter::render(*HandSkin::find("cobalt"), 116, 2).image);
        QCOMPARE(sprites.sprite("cobalt", 116, 2).image.cacheKey(), first.cacheKey());
        QVERIFY(sprites.sprite("cobalt", 116, 1).image.cacheKey() != first.cacheKey());
        QVERIFY(sprites.sprite("robot", 116, 2).image.cacheKey() != first.cacheKey());
    }

    void customIsThePhotoWhileThereIsOne() {
        HandSprites sprites(m_hand);
        QSignalSpy changed(&sprites, &HandSprites::changed);
        const QImage classic = HandPainter::render(HandSkin::classic(), 44, 2).image;
        QCOMPARE(sprites.sprite("custom", 44, 2).image, classic);
        QCOMPARE(sprites.sprite("no such hand", 44, 2).image, classic);
        const qint64 painted = sprites.sprite("cobalt", 44, 2).image.cacheKey();

        for (const QColor& colour : {QColor(Qt::red), QColor(Qt::blue)}) {
            m_hand.setImage(photo(colour));
            const HandSprite drawn = sprites.sprite("custom", 44, 2);
            QCOMPARE(drawn.size, QSizeF(22, 44));
            QCOMPARE(drawn.image.pixelColor(22, 44), colour);
        }
        QCOMPARE(changed.count(), 2);
        QCOMPARE(sprites.sprite("cobalt", 44, 2).image.cacheKey(), painted); // never stale

        m_hand.setImage(photo(Qt::red, {1, 600})); // less than a pixel wide at 44 points
        QCOMPARE(sprites.sprite("custom", 44, 2).image, classic);
        m_hand.setImage(QImage());
        QCOMPARE(changed.count(), 4);
        QCOMPARE(sprites.sprite("custom", 44, 2).image, classic);
    }

    void absurdSizesGiveABoundedBitmap() {
        m_hand.setImage(photo(Qt::red));
        HandSprites sprites(m_hand);
        const double nan = std::numeric_limits<double>::quiet_NaN();
        const std::pair<double, double> cases[] = {{nan, 2},  {HUGE_VAL, 2}, {1e9, 2},
                                                   {-50, 1},  {116, nan},    {116, 0},
                                                   {116, 1e300}};
        for (const auto& [height, scale] : cases)
            for (const char* id : {"classic", "pixel", "custom"}) {
                const QImage image = sprites.sprite(id, height, scale).image;
                QVERIFY(!image.isNull() && image.devicePixelRatio() > 0);
                QVERIFY(image.width() <= 4096 && image.height() <= 4096);
            }
    }
};

QTEST_MAIN(TestHandArt)
#include "test_handart.moc"
