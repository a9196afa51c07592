// The custom hand: hostile files refused, the hand cut cleanly out of a photo,
// stored, and made the chosen hand.
#include "PhotoFiles.h"
#include "SyntheticHandPhoto.h"
#include "handart/CustomHand.h"
#include "handart/HandChoice.h"
#include "handart/photo/CutOut.h"
#include "handart/photo/Landmarks.h"
#include "handart/photo/PhotoReader.h"
#include "prefs/Prefs.h"

#include <QDir>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QString kNotPicture = QStringLiteral("This file is not a picture Handwick can read.");

// 1 when the import succeeded, 0 when it failed, -1 when it never finished.
int importNow(CustomHand& hand, const QString& path) {
    QSignalSpy finished(&hand, &CustomHand::importFinished);
    hand.importPhoto(path);
    if (!finished.wait(20000)) return -1;
    return finished.first().first().toBool() ? 1 : 0;
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

class TestCustomHand : public QObject {
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
        QImage plain(640, 480, QImage::Format_RGB32);
        plain.fill(QColor(120, 160, 90));
        QVERIFY(plain.save(m_plain));
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
        QTest::newRow("SVG") << QByteArray("<svg xmlns='http://www.w3.org/2000/svg' "
                                           "width='100000' height='100000'/>");
    }
    void hostileFilesAreRefusedQuickly() {
        QFETCH(QByteArray, bytes);
        const QString file = path(QStringLiteral("hostile"));
        QVERIFY(PhotoFiles::write(file, bytes));
        QElapsedTimer timer;
        timer.start();
        QVERIFY(!PhotoReader::read(file));
        QVERIFY2(timer.elapsed() < 1000, qPrintable(QString::number(timer.elapsed())));
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
        QCOMPARE(cut->pixelColor(0, 0).alpha(), 0);                 // beside the finger
        const QPointF tip = Landmarks::find(*cut).tip;
        QVERIFY(QLineF(tip, photo.tip - photo.hand.topLeft()).length() < 0.03 * cut->height());
    }

    void importStoresTheHandAndMakesItTheChosenOne() {
        Prefs prefs(path("one.ini"));
        CustomHand hand(path("one/Handwick/custom-hand.png"));
        HandChoice::follow(hand, prefs);
        prefs.setHandID(QStringLiteral("night"));
        QSignalSpy images(&hand, &CustomHand::imageChanged);
        QCOMPARE(importNow(hand, m_big), 1);
        QVERIFY(hand.hasImage() && hand.error().isEmpty());
        QCOMPARE(images.count(), 1);
        QCOMPARE(prefs.handID(), QStringLiteral("custom"));
        QCOMPARE(CustomHand(hand.file()).image(), hand.image()); // as the next start reads it

        // Removing it falls back to classic only where it was the chosen hand.
        for (const char* chosen : {"night", "custom"}) {
            QCOMPARE(importNow(hand, m_big), 1);
            prefs.setHandID(chosen);
            hand.remove();
            QVERIFY(!hand.hasImage() && !QFile::exists(hand.file()));
            QCOMPARE(prefs.handID(), chosen == QLatin1String("night") ? "night" : "classic");
        }
    }

    void aFailedImportKeepsTheHandItsFileAndTheChoice() {
        Prefs prefs(path("two.ini"));
        CustomHand hand(path("two/store/custom-hand.png"));
        HandChoice::follow(hand, prefs);
        QCOMPARE(importNow(hand, m_big), 1);
        const QImage before = hand.image();
        const QByteArray stored = readAll(hand.file());
        prefs.setHandID(QStringLiteral("night"));
        QSignalSpy images(&hand, &CustomHand::imageChanged);

        QCOMPARE(importNow(hand, m_dir.path()), 0);
        QCOMPARE(hand.error(), kNotPicture);
        QCOMPARE(importNow(hand, m_plain), 0);
        QCOMPARE(hand.error(), "No hand found in this photo. A plain background helps.");
        // The folder turns into a file: a good photo cannot be stored, so it is not shown.
        QVERIFY(QDir(path("two")).rename(QStringLiteral("store"), QStringLiteral("moved")));
        QVERIFY(PhotoFiles::write(path("two/store"), {}));
        QCOMPARE(importNow(hand, m_small), 0);
        QCOMPARE(hand.error(), QStringLiteral("Handwick could not save your hand. Check that there "
                                              "is free space and try again."));
        QCOMPARE(images.count(), 0);
        QCOMPARE(hand.image(), before);
        QCOMPARE(readAll(path("two/moved/custom-hand.png")), stored);
        QCOMPARE(prefs.handID(), QStringLiteral("night"));
    }
};

QTEST_MAIN(TestCustomHand)
#include "test_customhand.moc"
