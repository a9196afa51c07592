// The custom hand: landmarks and sprite of a cut-out, and the store that imports photos.
#include "SyntheticHandPhoto.h"
#include "handart/CustomHand.h"
#include "handart/HandPainter.h"
#include "handart/HandSkin.h"
#include "handart/PhotoSprite.h"
#include "prefs/Prefs.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <initializer_list>

namespace {
const QString kNotPicture = QStringLiteral("This file is not a picture Handwick can read.");

// 1 when the import succeeded, 0 when it failed, -1 when it never finished.
int importNow(CustomHand& hand, const QString& path) {
    QSignalSpy finished(&hand, &CustomHand::importFinished);
    hand.importPhoto(path);
    if (!finished.wait(20000)) return -1;
    return finished.first().first().toBool() ? 1 : 0;
}

// Positive for a blue glove, negative for skin.
double blueness(const QImage& image) {
    const QImage rgba = image.convertToFormat(QImage::Format_RGBA8888);
    double sum = 0;
    int count = 0;
    for (int y = 0; y < rgba.height(); ++y)
        for (int x = 0; x < rgba.width(); ++x) {
            const QColor c = rgba.pixelColor(x, y);
            if (c.alpha() < 255) continue;
            sum += c.blue() - c.red();
            ++count;
        }
    return count ? sum / count : 0;
}

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

class TestCustomHand : public QObject {
    Q_OBJECT

    QTemporaryDir m_home;
    QString m_skin, m_glove, m_text;

    QString path(const QString& name) const { return m_home.filePath(name); }

  private slots:
    void initTestCase() {
        // Nothing may touch the real settings or the real stored hand.
        qputenv("XDG_DATA_HOME", path("data").toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", path("config").toLocal8Bit());
        SyntheticHandPhoto::Options options;
        options.noise = 3;
        m_skin = path("skin.jpg");
        QVERIFY(SyntheticHandPhoto::make(options).photo.save(m_skin, "JPEG", 90));
        options.skin = QColor(70, 110, 200);
        m_glove = path("glove.png");
        QVERIFY(SyntheticHandPhoto::make(options).photo.save(m_glove));
        m_text = path("notes.png");
        QFile text(m_text);
        QVERIFY(text.open(QIODevice::WriteOnly) && text.write("not a picture\n") > 0);
    }

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

    void importStoresShowsAndChoosesTheHand() {
        Prefs::shared().setHandID(QStringLiteral("night"));
        CustomHand hand(path("one/Handwick/custom-hand.png"));
        QVERIFY(!hand.hasImage());
        QSignalSpy images(&hand, &CustomHand::imageChanged);
        QSignalSpy errors(&hand, &CustomHand::errorChanged);
        QCOMPARE(importNow(hand, m_skin), 1);
        QVERIFY(hand.hasImage() && hand.error().isEmpty());
        QCOMPARE(images.count(), 1);
        QCOMPARE(errors.count(), 0); // it was empty and stayed empty
        QCOMPARE(Prefs::shared().handID(), QStringLiteral("custom"));
        QVERIFY(blueness(hand.image()) < 0);

        const QImage stored(hand.file());
        QVERIFY(stored.hasAlphaChannel());
        QCOMPARE(stored.convertToFormat(QImage::Format_RGBA8888), hand.image());
        CustomHand restarted(hand.file());
        QCOMPARE(restarted.image(), hand.image());
    }

    void removalFallsBackOnlyFromCustom() {
        CustomHand hand(path("three/custom-hand.png"));
        const std::pair<const char*, const char*> cases[] = {{"custom", "classic"},
                                                             {"night", "night"}};
        for (const auto& [chosen, after] : cases) {
            QCOMPARE(importNow(hand, m_skin), 1);
            Prefs::shared().setHandID(chosen);
            hand.remove();
            QVERIFY(!hand.hasImage() && !QFile::exists(hand.file()));
            QCOMPARE(Prefs::shared().handID(), after);
        }
    }

    void handThatCannotBeSavedIsNotShown() {
        CustomHand hand(path("four/store/custom-hand.png"));
        QCOMPARE(importNow(hand, m_skin), 1);
        const QImage before = hand.image();
        // The folder turns into a file: nothing can be written there any more.
        QVERIFY(QDir(path("four")).rename(QStringLiteral("store"), QStringLiteral("moved")));
        QFile blocker(path("four/store"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        Prefs::shared().setHandID(QStringLiteral("night"));

        QCOMPARE(importNow(hand, m_glove), 0);
        QCOMPARE(hand.error(), QStringLiteral("Handwick could not save your hand. Check that "
                                              "there is free space and try again."));
        QCOMPARE(hand.image(), before);
        QCOMPARE(Prefs::shared().handID(), QStringLiteral("night"));
    }

    void lastImportToFinishDecides() {
        CustomHand hand(path("five/custom-hand.png"));
        QSignalSpy finished(&hand, &CustomHand::importFinished);
        const auto both = [&](const QString& first, const QString& second) {
            finished.clear();
            hand.importPhoto(first);
            hand.importPhoto(second);
            return QTest::qWaitFor([&] { return finished.count() == 2; }, 30000);
        };
        QVERIFY(both(m_skin, m_glove));
        QVERIFY(blueness(hand.image()) > 0 && hand.error().isEmpty());
        QVERIFY(blueness(QImage(hand.file())) > 0);

        QVERIFY(both(m_skin, m_text));
        QCOMPARE(hand.error(), kNotPicture);
        QVERIFY(blueness(hand.image()) < 0);

        QVERIFY(both(m_text, m_glove));
        QVERIFY(hand.error().isEmpty());
        QVERIFY(blueness(hand.image()) > 0);
    }

    void painterDrawsTheCurrentPhoto() {
        CustomHand& shared = CustomHand::shared();
        QCOMPARE(shared.file(), path("data/Handwick/custom-hand.png"));
        const QSizeF classic = HandPainter::render(HandSkin::classic(), 44, 2).size;
        QCOMPARE(HandPainter::sprite(HandSkin::custom(), 44, 2).size, classic);
        QVERIFY(!HandSkin::find(QStringLiteral("custom")));

        for (const QString& photo : {m_skin, m_glove}) {
            QCOMPARE(importNow(shared, photo), 1);
            const HandSprite drawn = HandPainter::sprite(HandSkin::custom(), 44, 2);
            QCOMPARE(drawn.image, shared.sprite(44, 2)->image);
            QVERIFY((blueness(drawn.image) > 0) == (photo == m_glove));
            QVERIFY(HandSkin::find(QStringLiteral("custom")));
        }
        shared.remove();
        QCOMPARE(HandPainter::sprite(HandSkin::custom(), 44, 2).size, classic);
    }
};

QTEST_MAIN(TestCustomHand)
#include "test_customhand.moc"
