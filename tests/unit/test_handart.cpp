// The skin catalogue and the painter that turns a skin into a hand sprite.
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

Rgba rgb(int r, int g, int b, double a = 1) {
    return {r / 255.0, g / 255.0, b / 255.0, a};
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

class TestHandArt : public QObject {
    Q_OBJECT

    QTemporaryDir m_data;

  private slots:
    // No custom hand from the real data folder may leak in.
    void initTestCase() { qputenv("XDG_DATA_HOME", m_data.path().toLocal8Bit()); }

    void init() { HandPainter::clearCache(); }

    void catalogueIsInPickerOrderWithExactColours() {
        QStringList ids, bare;
        for (const HandSkin& skin : HandSkin::all()) {
            ids << skin.id;
            if (!skin.cuff) bare << skin.id;
        }
        QCOMPARE(ids, QStringList({"classic", "warm", "cobalt", "light", "tan", "deep", "mint",
                                   "lavender", "lemon", "coral", "night", "gold", "chrome", "candy",
                                   "ocean", "neon", "pixel", "ghost", "robot"}));
        QCOMPARE(bare, QStringList({"warm", "light", "tan", "deep", "ghost"}));
        // Components are exact fractions of 255, not rounded floats.
        QCOMPARE(HandSkin::classic().fill[1].r, 0.9294117647058824);
        QCOMPARE(HandSkin::wood, rgb(183, 129, 74));
        QCOMPARE(HandSkin::find("gold")->fill[2], rgb(184, 134, 11));
        QCOMPARE(HandSkin::find("ghost")->outline, rgb(255, 255, 255, 0.95));
    }

    void customBorrowsFromClassic() {
        const HandSkin& custom = HandSkin::custom();
        QCOMPARE(custom.fill, std::vector{HandSkin::classic().fill.front()});
        QCOMPARE(custom.outline, HandSkin::classic().outline);
        QVERIFY(!custom.cuff && !custom.gloss);
    }

    void findMatchesWholeIdsExactly_data() {
        QTest::addColumn<QString>("id");
        QTest::addColumn<bool>("found");
        QTest::newRow("robot") << "robot" << true;
        QTest::newRow("capitalised") << "Classic" << false;
        QTest::newRow("prefix") << "class" << false;
        QTest::newRow("custom without a photo") << "custom" << false;
    }
    void findMatchesWholeIdsExactly() {
        QFETCH(QString, id);
        QFETCH(bool, found);
        const auto skin = HandSkin::find(id);
        QCOMPARE(skin.has_value(), found);
        if (found) QCOMPARE(skin->id, id);
    }

    void names_data() {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("name");
        const auto row = [](const char* id, const char* name) {
            QTest::newRow(*id ? id : "empty") << id << name;
        };
        row("robot", "Robot");
        row("custom", "Your Hand");
        row("big HAND", "Big Hand");
        row("old-school", "Old-School");
        row("", "");
    }
    void names() {
        QFETCH(QString, id);
        QFETCH(QString, name);
        HandSkin skin = HandSkin::classic();
        skin.id = id;
        QCOMPARE(skin.name(), name);
    }

    // At height 132 one unit is one point; other heights scale everything, pixels follow scale.
    void geometryFollowsHeightAndScale() {
        const double k = 116 / 132.0;
        for (const char* id : {"classic", "pixel"}) {
            const HandSprite unit = HandPainter::render(skin(id), 132, 1);
            QCOMPARE(unit.image.size(), QSize(120, 152));
            QCOMPARE(unit.size, QSizeF(120, 152));
            QCOMPARE(unit.tip, QPointF(58, 14));
            QCOMPARE(unit.wrist, QPointF(65, 139));
            QCOMPARE(unit.stick, skin(id).stick.toColor());
            const HandSprite medium = HandPainter::render(skin(id), 116, 2);
            QCOMPARE(medium.image.size(), QSize(211, 267));
            QCOMPARE(medium.image.devicePixelRatio(), 2.0);
            QCOMPARE(medium.image.format(), QImage::Format_ARGB32_Premultiplied);
            QCOMPARE(medium.size, QSizeF(120 * k, 152 * k));
            QCOMPARE(medium.tip, QPointF(58 * k, 14 * k));
            QCOMPARE(medium.wrist, QPointF(65 * k, 139 * k));
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

    // Hollow styles keep only their ring; the shadow (ring ends 4.2 units above the tip)
    // reaches beyond it where the style casts one.
    void stylesDifferInRingPalmAndShadow() {
        const std::tuple<const char*, int, int, bool> cases[] = {
            {"classic", 255, 255, true},
            {"neon", 255, qRound(0.82 * 255), true}, // a glow
            {"ghost", qRound(0.95 * 255), qRound(0.62 * 255), false}};
        for (const auto& [id, ringAlpha, palmAlpha, shaded] : cases) {
            const QImage image = HandPainter::render(skin(id), 132, 1).image;
            QVERIFY2(std::abs(qAlpha(handPixel(image, 35, 30)) - ringAlpha) <= 1, id);
            QVERIFY2(std::abs(qAlpha(handPixel(image, 45, 70)) - palmAlpha) <= 1, id);
            QVERIFY2((qAlpha(handPixel(image, 47, -6)) > 0) == shaded, id);
        }
        // Classic's shadow leans toward the top edge.
        const QImage classic = HandPainter::render(skin("classic"), 132, 1).image;
        QVERIFY(qAlpha(handPixel(classic, 47, -6)) > qAlpha(handPixel(classic, 55, 138)));
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

    void cacheServesRepeatsUnderTheirOwnKeys() {
        const HandSprite first = HandPainter::sprite(skin("cobalt"), 116, 2);
        QCOMPARE(HandPainter::sprite(skin("cobalt"), 116, 2).image.cacheKey(),
                 first.image.cacheKey());
        QVERIFY(HandPainter::sprite(skin("cobalt"), 116, 1).image.cacheKey() !=
                first.image.cacheKey());
        QCOMPARE(HandPainter::cacheSize(), 2);
        // Custom without a photo looks classic, with the wooden stick, under its own key.
        const HandSprite custom = HandPainter::sprite(HandSkin::custom(), 84, 2);
        QCOMPARE(custom.image, HandPainter::render(HandSkin::classic(), 84, 2).image);
        QCOMPARE(custom.stick, HandSkin::wood.toColor());
        HandPainter::sprite(HandSkin::classic(), 84, 2);
        QCOMPARE(HandPainter::cacheSize(), 4);
        HandPainter::clearCache();
        QCOMPARE(HandPainter::cacheSize(), 0);
        QVERIFY(HandPainter::sprite(skin("cobalt"), 116, 2).image.cacheKey() !=
                first.image.cacheKey());
    }

    void keysUseShortestDecimals() {
        QCOMPARE(HandPainter::cacheKey("classic", 44, 2), "classic-44.0-2.0");
        QCOMPARE(HandPainter::cacheKey("classic", 1 / 3.0, 2), "classic-0.3333333333333333-2.0");
        QCOMPARE(HandPainter::cacheKey("classic", 1e21, 2), "classic-1e+21-2.0");
        QCOMPARE(HandPainter::cacheKey("classic", HUGE_VAL, 1), "classic-inf-1.0");
    }

    void absurdSizesGiveABoundedBitmap() {
        const double nan = std::numeric_limits<double>::quiet_NaN();
        const std::pair<double, double> cases[] = {{nan, 2}, {HUGE_VAL, 2}, {1e9, 2}, {-50, 1},
                                                   {0, 2},   {116, nan},    {116, 0}, {116, 1e300}};
        for (const auto& [height, scale] : cases)
            for (const char* id : {"classic", "pixel"}) {
                const QImage image = HandPainter::sprite(skin(id), height, scale).image;
                QVERIFY(!image.isNull() && image.devicePixelRatio() > 0);
                QVERIFY(image.width() >= 1 && image.width() <= 4096);
                QVERIFY(image.height() >= 1 && image.height() <= 4096);
            }
    }
};

QTEST_MAIN(TestHandArt)
#include "test_handart.moc"
