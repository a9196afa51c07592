#include "PhotoFiles.h"
#include "SyntheticHandPhoto.h"
#include "handart/CustomHand.h"
#include "prefs/Prefs.h"

#include <QDir>
#include <QImageReader>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <unistd.h>

namespace {
const QString kNoHand = QStringLiteral("No hand found in this photo. A plain background helps.");
const QString kNotPicture = QStringLiteral("This file is not a picture Handwick can read.");

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QImage plain(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(120, 160, 90));
    return image;
}
} // namespace

class TestPhotoFiles : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<CustomHand> m_hand;
    SyntheticHandPhoto::Photo m_photo;

    QString path(const QString& name) const { return m_dir.filePath(name); }

    QString place(const QString& name, const QByteArray& bytes) {
        const QString file = path(name);
        return PhotoFiles::write(file, bytes) ? file : QString();
    }

    bool importNow(const QString& file) {
        QSignalSpy finished(m_hand.get(), &CustomHand::importFinished);
        m_hand->importPhoto(file);
        return finished.wait(20000) && finished.first().first().toBool();
    }

  private slots:
    void initTestCase() {
        qputenv("XDG_DATA_HOME", path("data").toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", path("config").toLocal8Bit());
        SyntheticHandPhoto::Options options;
        options.noise = 2;
        m_photo = SyntheticHandPhoto::make(options);
        m_hand = std::make_unique<CustomHand>(path("store/custom-hand.png"));
        QVERIFY(importNow(place("first.png", PhotoFiles::encode(m_photo.photo, "PNG"))));
    }

    void refusesBadFiles_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("message");
        const QByteArray png = PhotoFiles::encode(m_photo.photo, "PNG");
        const QByteArray jpeg = PhotoFiles::encode(m_photo.photo, "JPEG", 90);
        const auto bad = [&](const char* name, const char* file, const QByteArray& bytes,
                             const QString& message = kNotPicture) {
            QTest::newRow(name) << place(file, bytes) << message;
        };
        bad("text", "text.png", "just some words\n");
        bad("empty", "empty.jpg", {});
        bad("truncated PNG", "cut.png", png.left(png.size() * 2 / 3));
        bad("truncated JPEG", "cut.jpg", jpeg.left(jpeg.size() * 2 / 3));
        bad("JPEG without its end", "end.jpg", jpeg.chopped(2));
        QTest::newRow("directory") << m_dir.path() << kNotPicture;
        QTest::newRow("missing") << path("nowhere.png") << kNotPicture;
        bad("bomb 100000 × 100000", "bomb.png", PhotoFiles::pngHeaderOnly(100000, 100000));
        bad("bomb 19000 × 19000", "bomb2.png", PhotoFiles::pngHeaderOnly(19000, 19000));
        bad("progressive JPEG claiming 8000 × 6000", "wide.jpg",
            PhotoFiles::progressiveJpeg(m_photo.photo, {8000, 6000}));
        bad("svg", "hand.svg",
            "<svg xmlns='http://www.w3.org/2000/svg' width='100' height='100'/>");
        bad("1 × 1", "dot.png", PhotoFiles::encode(plain({1, 1}), "PNG"), kNoHand);
        bad("one colour", "plain.jpg", PhotoFiles::encode(plain({640, 480}), "JPEG"), kNoHand);
    }

    void refusesBadFiles() {
        QFETCH(QString, file);
        QFETCH(QString, message);
        QVERIFY(!file.isEmpty());
        Prefs::shared().setHandID(QStringLiteral("custom"));
        const QImage before = m_hand->image();
        const QByteArray stored = readAll(m_hand->file());
        QVERIFY(!stored.isEmpty());
        QSignalSpy images(m_hand.get(), &CustomHand::imageChanged);

        QVERIFY(!importNow(file));
        QCOMPARE(m_hand->error(), message);
        QCOMPARE(m_hand->image(), before);
        QCOMPARE(images.count(), 0);
        QCOMPARE(readAll(m_hand->file()), stored);
        QCOMPARE(Prefs::shared().handID(), QStringLiteral("custom"));
    }

    void refusesUnreadableFile() {
        if (geteuid() == 0) QSKIP("root reads any file");
        const QString file = place("locked.png", PhotoFiles::encode(m_photo.photo, "PNG"));
        QVERIFY(QFile::setPermissions(file, {}));
        QVERIFY(!importNow(file));
        QCOMPARE(m_hand->error(), kNotPicture);
    }

    // The kinds below must really be what their names say, or the test proves nothing.
    void generatedFilesAreWhatTheyClaim() {
        const QImage deep = m_photo.photo.convertToFormat(QImage::Format_RGBX64);
        const QString png = place("deep.png", PhotoFiles::encode(deep, "PNG"));
        QCOMPARE(QImage::toPixelFormat(QImageReader(png).imageFormat()).bitsPerPixel(), 64u);
        const QString gif =
            place("moving.gif", PhotoFiles::animatedGif({m_photo.photo, m_photo.photo}));
        QCOMPARE(QImageReader(gif).imageCount(), 2);
    }

    void readsEveryKindOfPhoto_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<bool>("colour");
        const QImage& photo = m_photo.photo;
        const auto as = [&](QImage::Format format, const char* type, int quality = -1) {
            return PhotoFiles::encode(photo.convertToFormat(format), type, quality);
        };
        QTest::newRow("16-bit PNG") << as(QImage::Format_RGBX64, "PNG") << "png" << true;
        QTest::newRow("greyscale PNG") << as(QImage::Format_Grayscale8, "PNG") << "png" << false;
        QTest::newRow("greyscale JPEG")
            << as(QImage::Format_Grayscale8, "JPEG", 90) << "jpg" << false;
        QTest::newRow("indexed PNG") << as(QImage::Format_Indexed8, "PNG") << "png" << true;
        QTest::newRow("BMP") << PhotoFiles::encode(photo, "BMP") << "bmp" << true;
        QTest::newRow("progressive JPEG") << PhotoFiles::progressiveJpeg(photo) << "jpg" << true;
        QTest::newRow("CMYK JPEG") << PhotoFiles::cmykJpeg(photo) << "jpg" << true;
        QTest::newRow("first frame of a GIF")
            << PhotoFiles::animatedGif({photo, plain(photo.size())}) << "gif" << true;
        QTest::newRow("JPEG turned by EXIF") << PhotoFiles::sidewaysJpeg(photo) << "jpg" << true;
        QImage cutAlready = photo.convertToFormat(QImage::Format_ARGB32);
        cutAlready.setAlphaChannel(m_photo.mask);
        QTest::newRow("PNG with its own transparency")
            << PhotoFiles::encode(cutAlready, "PNG") << "png" << true;
    }

    void readsEveryKindOfPhoto() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, suffix);
        QFETCH(bool, colour);
        if (bytes.isEmpty()) QSKIP("built without libjpeg");
        const QString file = place(QStringLiteral("photo.") + suffix, bytes);
        QVERIFY(importNow(file));
        const QImage cut = m_hand->image();
        const double fit = SyntheticHandPhoto::overlapWithCutOut(cut, m_photo);
        QVERIFY2(fit > 0.9, qPrintable(QString::number(fit)));
        if (!colour) return;
        // The middle of the palm keeps the skin's colour (no inverted CMYK).
        const QColor palm = cut.pixelColor(cut.width() / 2, cut.height() * 3 / 4);
        QVERIFY2(std::abs(palm.red() - 215) < 30 && std::abs(palm.blue() - 135) < 30,
                 qPrintable(palm.name()));
    }
};

QTEST_MAIN(TestPhotoFiles)
#include "test_photofiles.moc"
