#include "handart/HandPainter.h"

#include <QPainter>
#include <QPainterPath>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <limits>
#include <map>

namespace {
const HandSkin& skin(const char* id) {
    static std::map<QString, HandSkin> found;
    return found.try_emplace(id, *HandSkin::find(id)).first->second;
}

// At height 132 and scale 1 one unit is one pixel: hand (x, y) is pixel (x + 10, y + 10).
QRgb handPixel(const QImage& image, int x, int y) {
    return image.pixel(x + 10, y + 10);
}

QRgb opaque(const Rgba& c) {
    return c.toColor().rgb();
}

// Distinct neighbours along one axis: a blocky picture changes value rarely.
int changes(const QImage& image, bool alongX) {
    const int count = alongX ? image.width() : image.height();
    int changed = 0;
    for (int i = 1; i < count; ++i) {
        const int other = alongX ? image.height() : image.width();
        for (int j = 0; j < other; ++j) {
            const QPoint a = alongX ? QPoint(i, j) : QPoint(j, i);
            const QPoint b = alongX ? QPoint(i - 1, j) : QPoint(j, i - 1);
            if (image.pixel(a) != image.pixel(b)) {
                ++changed;
                break;
            }
        }
    }
    return changed;
}
} // namespace

class TestHandPainter : public QObject {
    Q_OBJECT

    QTemporaryDir m_data;

  private slots:
    // No custom hand from the real data folder may leak in.
    void initTestCase() { qputenv("XDG_DATA_HOME", m_data.path().toLocal8Bit()); }

    void init() { HandPainter::clearCache(); }

    void geometryFollowsHeightAndScale_data() {
        QTest::addColumn<double>("height");
        QTest::addColumn<double>("scale");
        QTest::addColumn<QSize>("pixels");
        QTest::addColumn<QSizeF>("size");
        QTest::addColumn<QPointF>("tip");
        QTest::addColumn<QPointF>("wrist");
        QTest::newRow("unit") << 132.0 << 1.0 << QSize(120, 152) << QSizeF(120, 152)
                              << QPointF(58, 14) << QPointF(65, 139);
        QTest::newRow("third, retina")
            << 44.0 << 2.0 << QSize(80, 101) << QSizeF(40, 152 / 3.0) << QPointF(58 / 3.0, 14 / 3.0)
            << QPointF(65 / 3.0, 139 / 3.0);
        QTest::newRow("medium, retina")
            << 116.0 << 2.0 << QSize(211, 267) << QSizeF(120 * 116 / 132.0, 152 * 116 / 132.0)
            << QPointF(58 * 116 / 132.0, 14 * 116 / 132.0)
            << QPointF(65 * 116 / 132.0, 139 * 116 / 132.0);
    }
    void geometryFollowsHeightAndScale() {
        QFETCH(double, height);
        QFETCH(double, scale);
        QFETCH(QSize, pixels);
        QFETCH(QSizeF, size);
        QFETCH(QPointF, tip);
        QFETCH(QPointF, wrist);
        for (const char* id : {"classic", "pixel"}) {
            const HandSprite sprite = HandPainter::render(skin(id), height, scale);
            QCOMPARE(sprite.image.size(), pixels);
            QCOMPARE(sprite.image.devicePixelRatio(), scale);
            QCOMPARE(sprite.image.format(), QImage::Format_ARGB32_Premultiplied);
            QCOMPARE(sprite.size, size);
            QCOMPARE(sprite.tip, tip);
            QCOMPARE(sprite.wrist, wrist);
            QCOMPARE(sprite.stick, skin(id).stick.toColor());
        }
    }

    void paintsOutlineFillAndMargin() {
        const HandSprite sprite = HandPainter::render(HandSkin::custom(), 132, 1);
        const QImage& image = sprite.image;
        const QRgb outline = opaque(HandSkin::custom().outline);
        QCOMPARE(handPixel(image, 35, 30), outline);             // 1.5 units left of the finger
        QCOMPARE(handPixel(image, 60, 30), outline);             // 1.5 units right of it
        QCOMPARE(handPixel(image, 48, 1), outline);              // above the fingertip
        QCOMPARE(handPixel(image, 45, 70), qRgb(255, 255, 255)); // flat white palm
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(image.pixel(119, 151)), 0);
        QCOMPARE(qAlpha(image.pixel(2, 80)), 0);
    }

    void gradientsRunFromTopLeftToBottomRight() {
        QImage image = HandPainter::context(QSizeF(100, 100));
        QPainter p(&image);
        QPainterPath square;
        square.addRect(0, 0, 100, 100);
        HandPainter::fill(p, square, {{1, 0, 0, 1}, {0, 1, 0, 1}, {0, 0, 1, 1}});
        p.end();
        QVERIFY(qRed(image.pixel(0, 0)) > 250);
        QVERIFY(qGreen(image.pixel(50, 50)) > 250);
        QVERIFY(qBlue(image.pixel(99, 99)) > 250);
        QCOMPARE(image.pixel(99, 0), image.pixel(0, 99)); // the diagonal is one colour

        QImage flat = HandPainter::context(QSizeF(4, 4));
        QPainter q(&flat);
        HandPainter::fill(q, square, {});
        q.end();
        QCOMPARE(flat.pixel(3, 3), qRgb(255, 255, 255));
    }

    void hollowStylesKeepOnlyTheirRing_data() {
        QTest::addColumn<QString>("id");
        QTest::addColumn<int>("ringAlpha");
        QTest::addColumn<int>("palmAlpha");
        QTest::newRow("neon") << "neon" << 255 << qRound(0.82 * 255);
        QTest::newRow("ghost") << "ghost" << qRound(0.95 * 255) << qRound(0.62 * 255);
        QTest::newRow("classic") << "classic" << 255 << 255;
    }
    void hollowStylesKeepOnlyTheirRing() {
        QFETCH(QString, id);
        QFETCH(int, ringAlpha);
        QFETCH(int, palmAlpha);
        const QImage image = HandPainter::render(*HandSkin::find(id), 132, 1).image;
        QVERIFY(std::abs(qAlpha(handPixel(image, 35, 30)) - ringAlpha) <= 1);
        QVERIFY(std::abs(qAlpha(handPixel(image, 45, 70)) - palmAlpha) <= 1);
    }

    void shadowFallsOutsideTheRing_data() {
        QTest::addColumn<QString>("id");
        QTest::addColumn<bool>("shaded");
        QTest::newRow("classic casts") << "classic" << true;
        QTest::newRow("robot casts") << "robot" << true;
        QTest::newRow("neon glows") << "neon" << true;
        QTest::newRow("ghost does not") << "ghost" << false;
        QTest::newRow("pixel does not") << "pixel" << false;
    }
    void shadowFallsOutsideTheRing() {
        QFETCH(QString, id);
        QFETCH(bool, shaded);
        const QImage image = HandPainter::render(*HandSkin::find(id), 132, 1).image;
        // The ring ends 4.2 units above the fingertip; the shadow reaches beyond it.
        QCOMPARE(qAlpha(handPixel(image, 47, -6)) > 0, shaded);
        if (id == QLatin1String("classic")) // it leans toward the top edge
            QVERIFY(qAlpha(handPixel(image, 47, -6)) > qAlpha(handPixel(image, 55, 138)));
    }

    void pixelStyleIsMadeOf41By52Blocks() {
        const QImage image = HandPainter::render(skin("pixel"), 300, 1).image;
        const int across = changes(image, true), down = changes(image, false);
        QVERIFY2(across >= 20 && across <= 40, qPrintable(QString::number(across)));
        QVERIFY2(down >= 30 && down <= 51, qPrintable(QString::number(down)));
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const int alpha = qAlpha(image.pixel(x, y));
                QVERIFY(alpha == 0 || alpha == 255); // no anti-aliased edges
            }
    }

    void cacheServesRepeatsAndSeparatesScales() {
        const HandSprite first = HandPainter::sprite(skin("cobalt"), 116, 2);
        const HandSprite again = HandPainter::sprite(skin("cobalt"), 116, 2);
        QCOMPARE(again.image.cacheKey(), first.image.cacheKey());
        QCOMPARE(HandPainter::cacheSize(), 1);
        const HandSprite single = HandPainter::sprite(skin("cobalt"), 116, 1);
        QVERIFY(single.image.cacheKey() != first.image.cacheKey());
        QCOMPARE(single.image.size(), QSize(105, 134));
        QCOMPARE(HandPainter::cacheSize(), 2);
        HandPainter::clearCache();
        QCOMPARE(HandPainter::cacheSize(), 0);
        QVERIFY(HandPainter::sprite(skin("cobalt"), 116, 2).image.cacheKey() !=
                first.image.cacheKey());
    }

    void customWithoutAPhotoLooksClassic() {
        const HandSprite custom = HandPainter::sprite(HandSkin::custom(), 84, 2);
        QCOMPARE(custom.image, HandPainter::render(HandSkin::classic(), 84, 2).image);
        QCOMPARE(custom.stick, HandSkin::wood.toColor());
        QCOMPARE(HandPainter::cacheSize(), 1);
        QCOMPARE(HandPainter::sprite(HandSkin::custom(), 84, 2).image.cacheKey(),
                 custom.image.cacheKey());
        QCOMPARE(HandPainter::cacheSize(), 1); // under its own key, not classic's
        HandPainter::sprite(HandSkin::classic(), 84, 2);
        QCOMPARE(HandPainter::cacheSize(), 2);
    }

    void keysUseShortestDecimals_data() {
        QTest::addColumn<double>("height");
        QTest::addColumn<double>("scale");
        QTest::addColumn<QString>("key");
        QTest::newRow("whole") << 44.0 << 2.0 << "classic-44.0-2.0";
        QTest::newRow("medium") << 116.0 << 1.0 << "classic-116.0-1.0";
        QTest::newRow("tenth") << 0.1 << 1.5 << "classic-0.1-1.5";
        QTest::newRow("third") << 1 / 3.0 << 2.0 << "classic-0.3333333333333333-2.0";
        QTest::newRow("huge") << 1e21 << 2.0 << "classic-1e+21-2.0";
        QTest::newRow("tiny") << 1e-7 << 2.0 << "classic-1e-07-2.0";
        QTest::newRow("zero") << 0.0 << 1.0 << "classic-0.0-1.0";
        QTest::newRow("infinite") << std::numeric_limits<double>::infinity() << 1.0
                                  << "classic-inf-1.0";
    }
    void keysUseShortestDecimals() {
        QFETCH(double, height);
        QFETCH(double, scale);
        QFETCH(QString, key);
        QCOMPARE(HandPainter::cacheKey("classic", height, scale), key);
    }

    void absurdSizesGiveABoundedBitmap_data() {
        const double nan = std::numeric_limits<double>::quiet_NaN();
        const double inf = std::numeric_limits<double>::infinity();
        QTest::addColumn<double>("height");
        QTest::addColumn<double>("scale");
        QTest::newRow("nan height") << nan << 2.0;
        QTest::newRow("infinite height") << inf << 2.0;
        QTest::newRow("huge height") << 1e9 << 2.0;
        QTest::newRow("negative height") << -50.0 << 1.0;
        QTest::newRow("zero height") << 0.0 << 2.0;
        QTest::newRow("nan scale") << 116.0 << nan;
        QTest::newRow("zero scale") << 116.0 << 0.0;
        QTest::newRow("huge scale") << 116.0 << 1e300;
    }
    void absurdSizesGiveABoundedBitmap() {
        QFETCH(double, height);
        QFETCH(double, scale);
        for (const char* id : {"classic", "pixel"}) {
            const QImage image = HandPainter::sprite(skin(id), height, scale).image;
            QVERIFY(!image.isNull());
            QVERIFY(image.width() >= 1 && image.width() <= 4096);
            QVERIFY(image.height() >= 1 && image.height() <= 4096);
            QVERIFY(image.devicePixelRatio() > 0);
        }
    }
};

QTEST_MAIN(TestHandPainter)
#include "test_handpainter.moc"
