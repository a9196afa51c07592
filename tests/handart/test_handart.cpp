// Hand art: the sprites the pointer shows (painted once per key, the user's photo
// for "custom" while there is one), and the custom hand: hostile files refused,
// the hand cut cleanly out of a photo, stored, and made the chosen hand.
#include "PhotoFiles.h"
#include "SyntheticHandPhoto.h"
#include "handart/CustomHand.h"
#include "handart/HandChoice.h"
#include "handart/HandPainter.h"
#include "handart/HandSprites.h"
#include "handart/photo/CutOut.h"
#include "handart/photo/Landmarks.h"
#include "handart/photo/PhotoReader.h"
#include "prefs/Prefs.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <sys/resource.h>

namespace {
// A custom hand whose photo can also be set directly, without importing one.
struct TestHand : CustomHand {
    using CustomHand::CustomHand;
    using CustomHand::setImage;
};

QImage filled(const QColor& colour, QSize size) {
    QImage image(size, QImage::Format_RGBA8888);
    image.fill(colour);
    return image;
}

// 1 when the import succeeded, 0 when it failed, -1 when it never finished.
int importNow(CustomHand& hand, const QString& path) {
    QSignalSpy finished(&hand, &CustomHand::importFinished);
    hand.importPhoto(path);
    if (!finished.wait(20000)) return -1;
    return finished.first().first().toBool() ? 1 : 0;
}
} // namespace

class TestHandArt : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    SyntheticHandPhoto::Photo m_photo;
    QString m_big, m_small, m_plain; // the same hand at 640 × 480 and 320 × 240; no hand

    QString path(const QString& name) const { return m_dir.filePath(name); }

  private slots:
    void initTestCase() {
        SyntheticHandPhoto::Options options;
        options.noise = 3;
        m_photo = SyntheticHandPhoto::make(options);
        m_big = path("big.jpg");
        m_small = path("small.png");
        m_plain = path("plain.png");
        QVERIFY(m_photo.photo.save(m_big, "JPEG", 90));
        QVERIFY(m_photo.photo.scaled(320, 240).save(m_small));
        QVERIFY(filled(QColor(120, 160, 90), {640, 480}).save(m_plain));
    }

    void spritesArePaintedOnceAndCustomIsThePhotoWhileThereIsOne() {
        TestHand hand(path("sprites/custom-hand.png"));
        HandSprites sprites(hand);
        QSignalSpy changed(&sprites, &HandSprites::changed);
        const QImage cobalt = sprites.sprite("cobalt", 44, 2).image;
        QCOMPARE(cobalt, HandPainter::render(*HandSkin::find("cobalt"), 44, 2).image);
        QCOMPARE(sprites.sprite("cobalt", 44, 2).image.cacheKey(), cobalt.cacheKey());
        QVERIFY(sprites.sprite("cobalt", 44, 1).image.cacheKey() != cobalt.cacheKey());
        const QImage classic = HandPainter::render(HandSkin::classic(), 44, 2).image;
        QCOMPARE(sprites.sprite("custom", 44, 2).image, classic);
        QCOMPARE(sprites.sprite("no such hand", 44, 2).image, classic);

        for (const QColor& colour : {QColor(Qt::red), QColor(Qt::blue)}) {
            hand.setImage(filled(colour, {60, 120}));
            const HandSprite drawn = sprites.sprite("custom", 44, 2);
            QCOMPARE(drawn.size, QSizeF(22, 44));
            QCOMPARE(drawn.image.pixelColor(22, 44), colour);
        }
        QCOMPARE(changed.count(), 2);
        QCOMPARE(sprites.sprite("cobalt", 44, 2).image.cacheKey(), cobalt.cacheKey());
        hand.setImage(filled(Qt::red, {1, 600})); // less than a pixel wide at 44 points
        QCOMPARE(sprites.sprite("custom", 44, 2).image, classic);
        hand.setImage(QImage());
        QCOMPARE(changed.count(), 4);
        QCOMPARE(sprites.sprite("custom", 44, 2).image, classic);

        hand.setImage(filled(Qt::red, {60, 120}));
        const double nan = std::nan("");
        const double sizes[][2] = {{nan, 2}, {HUGE_VAL, 2}, {1e9, 2},
                                   {-50, 1}, {116, nan},    {116, 1e300}};
        for (const auto& [height, scale] : sizes)
            for (const char* id : {"classic", "pixel", "custom"}) {
                const QImage image = sprites.sprite(id, height, scale).image;
                QVERIFY(!image.isNull() && image.width() <= 4096 && image.height() <= 4096);
            }
    }

    void hostileFilesAreRefusedQuickly_data() {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray png = PhotoFiles::encode(m_photo.photo, "PNG");
        const QByteArray jpeg = PhotoFiles::encode(m_photo.photo, "JPEG", 90);
        QTest::newRow("text") << QByteArray("just some words\n");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("truncated PNG") << png.left(png.size() * 2 / 3);
        QTest::newRow("truncated JPEG") << jpeg.left(jpeg.size() * 2 / 3);
        QTest::newRow("JPEG without its end") << jpeg.chopped(2);
        QTest::newRow("PNG claiming 100000 × 100000") << PhotoFiles::pngHeaderOnly(100000, 100000);
        QTest::newRow("PNG claiming 19000 × 19000") << PhotoFiles::pngHeaderOnly(19000, 19000);
        QTest::newRow("progressive JPEG claiming 8000 × 6000")
            << PhotoFiles::progressiveJpeg(m_photo.photo, {8000, 6000});
        QFile heicFile(QStringLiteral(HANDWICK_TEST_DATA "/hand.heic"));
        QVERIFY(heicFile.open(QIODevice::ReadOnly));
        const QByteArray heic = heicFile.readAll();
        // Its size box made to say `side` × `side`, while the picture keeps its own size.
        const auto claiming = [](QByteArray heic, const char* side) {
            const qsizetype size = heic.indexOf("ispe") + 8;
            for (qsizetype at : {size, size + 4})
                heic.replace(at, 4, QByteArray::fromHex(side));
            return heic;
        };
        QTest::newRow("HEIC claiming 30000 × 30000") << claiming(heic, "00007530");
        // data/grey-7000.heic: 12 KB of a plain grey 7000 × 7000 picture, encoded with libheif.
        QFile greyFile(QStringLiteral(HANDWICK_TEST_DATA "/grey-7000.heic"));
        QVERIFY(greyFile.open(QIODevice::ReadOnly));
        QTest::newRow("HEIC of 7000 × 7000 claiming 64 × 64")
            << claiming(greyFile.readAll(), "00000040");
        QTest::newRow("truncated HEIC") << heic.left(heic.size() * 2 / 3);
        QTest::newRow("SVG") << QByteArray("<svg xmlns='http://www.w3.org/2000/svg' "
                                           "width='100000' height='100000'/>");
    }
    void hostileFilesAreRefusedQuickly() {
        QFETCH(QByteArray, bytes);
        const QString file = path(QStringLiteral("hostile"));
        QVERIFY(PhotoFiles::write(file, bytes));
        rusage before{}, after{};
        getrusage(RUSAGE_SELF, &before);
        QElapsedTimer timer;
        timer.start();
        QVERIFY(!PhotoReader::read(file));
        QVERIFY2(timer.elapsed() < 1000, qPrintable(QString::number(timer.elapsed())));
        // Whatever the file would take once decoded, this process never held it.
        getrusage(RUSAGE_SELF, &after);
        const long grownKilobytes = after.ru_maxrss - before.ru_maxrss;
        QVERIFY2(grownKilobytes < 32 * 1024, qPrintable(QString::number(grownKilobytes)));
    }

    // A phone photo in a HEIF container reads like any other, and is offered.
    // (data/hand.heic: a made-up 320 × 240 photo encoded with libheif.)
    void heicPhotosAreRead() {
        const auto photo = PhotoReader::read(QStringLiteral(HANDWICK_TEST_DATA "/hand.heic"));
        QVERIFY(photo && photo->size() == QSize(320, 240));
        QVERIFY(PhotoReader::mimeTypes().contains(QStringLiteral("image/heic")));
    }

    void cutsTheHandCleanlyOutOfAPhoto() {
        SyntheticHandPhoto::Options options; // soft light, a shadow, grain and JPEG blocks
        options.backdrop = SyntheticHandPhoto::Backdrop::softLight;
        options.castShadow = true;
        options.noise = 6;
        options.jpegQuality = 70;
        const SyntheticHandPhoto::Photo photo = SyntheticHandPhoto::make(options);
        const auto cut = CutOut::make(photo.photo);
        QVERIFY(cut);
        const double fit = SyntheticHandPhoto::overlapWithCutOut(*cut, photo);
        QVERIFY2(fit > 0.9, qPrintable(QString::number(fit)));
        QVERIFY(std::abs(cut->height() - photo.hand.height()) <= 4); // cropped, not scaled
        QCOMPARE(cut->pixelColor(0, 0).alpha(), 0);                  // beside the finger
        const QPointF tip = Landmarks::find(*cut).tip;
        QVERIFY(QLineF(tip, photo.tip - photo.hand.topLeft()).length() < 0.03 * cut->height());
        // Strips too thin to hold a hand once shrunk to the working size: no hand, no abort.
        for (const QSize strip : {QSize(1300, 1), QSize(3000, 2), QSize(2, 3000)}) {
            QImage thin(strip, QImage::Format_RGB32);
            thin.fill(Qt::darkYellow);
            QVERIFY(!CutOut::make(thin));
        }
    }

    void importChoosesTheHandAndRemovalFallsBackOnlyFromIt() {
        Prefs prefs(path("one.ini"));
        CustomHand hand(path("one/Handwick/custom-hand.png"));
        HandChoice::follow(hand, prefs);
        for (const char* chosen : {"night", "custom"}) {
            prefs.setHandID(QStringLiteral("night"));
            QCOMPARE(importNow(hand, m_big), 1);
            QVERIFY(hand.hasImage() && hand.error().isEmpty());
            QCOMPARE(prefs.handID(), QStringLiteral("custom"));
            QCOMPARE(CustomHand(hand.file()).image(), hand.image()); // as the next start reads it
            prefs.setHandID(chosen);
            hand.remove();
            QVERIFY(!hand.hasImage() && !QFile::exists(hand.file()));
            QCOMPARE(prefs.handID(), chosen == QLatin1String("night") ? "night" : "classic");
        }
        // Removed while an import is still cutting out: the hand stays removed.
        QSignalSpy finished(&hand, &CustomHand::importFinished);
        hand.importPhoto(m_big);
        hand.remove();
        QVERIFY(finished.wait(20000));
        QVERIFY(!hand.hasImage() && !QFile::exists(hand.file()));
    }

    void aFailedImportKeepsTheHandAndTheChoice() {
        Prefs prefs(path("two.ini"));
        CustomHand hand(path("two/store/custom-hand.png"));
        HandChoice::follow(hand, prefs);
        QCOMPARE(importNow(hand, m_big), 1);
        const QImage before = hand.image();
        prefs.setHandID(QStringLiteral("night"));
        QSignalSpy images(&hand, &CustomHand::imageChanged);

        QCOMPARE(importNow(hand, m_dir.path()), 0);
        QCOMPARE(hand.error(), "This file is not a picture Handwick can read.");
        QCOMPARE(importNow(hand, m_plain), 0);
        QCOMPARE(hand.error(), "No hand found in this photo. A plain background helps.");
        // The folder turns into a file: a good photo cannot be stored, so it is not shown.
        QVERIFY(QDir(path("two")).rename(QStringLiteral("store"), QStringLiteral("moved")));
        QVERIFY(PhotoFiles::write(path("two/store"), {}));
        QCOMPARE(importNow(hand, m_small), 0);
        QVERIFY2(hand.error().startsWith("Handwick could not save your hand to ") &&
                     hand.error().contains("cannot be made"),
                 qPrintable(hand.error()));
        // A huge file that starts like a JPEG is refused unread, at once.
        QFile huge(path("huge.jpg"));
        QVERIFY(huge.open(QIODevice::WriteOnly) && huge.write("\xFF\xD8\xFF\xE0", 4) == 4 &&
                huge.resize(CustomHand::kLargestPhotoBytes + 1));
        huge.close();
        QCOMPARE(importNow(hand, huge.fileName()), 0);
        QVERIFY(hand.error().contains("too large"));
        QCOMPARE(images.count(), 0);
        QCOMPARE(hand.image(), before);
        QCOMPARE(prefs.handID(), QStringLiteral("night"));
    }
};

QTEST_MAIN(TestHandArt)
#include "test_handart.moc"
