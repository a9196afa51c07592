#include "SyntheticHandPhoto.h"
#include "handart/CustomHand.h"
#include "handart/HandPainter.h"
#include "handart/HandSkin.h"
#include "prefs/Prefs.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QString kNoHand = QStringLiteral("No hand found in this photo. A plain background helps.");
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
} // namespace

class TestCustomHand : public QObject {
    Q_OBJECT

    QTemporaryDir m_home;
    QString m_skin, m_glove, m_plain, m_text;

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
        options.withHand = false;
        m_plain = path("plain.png");
        QVERIFY(SyntheticHandPhoto::make(options).photo.save(m_plain));
        m_text = path("notes.png");
        QFile text(m_text);
        QVERIFY(text.open(QIODevice::WriteOnly) && text.write("not a picture\n") > 0);
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

    void failedImportKeepsTheHand() {
        CustomHand hand(path("two/custom-hand.png"));
        QCOMPARE(importNow(hand, m_skin), 1);
        const QImage before = hand.image();
        QSignalSpy images(&hand, &CustomHand::imageChanged);
        QCOMPARE(importNow(hand, m_plain), 0);
        QCOMPARE(hand.error(), kNoHand);
        QCOMPARE(hand.image(), before);
        QCOMPARE(images.count(), 0);
        QCOMPARE(QImage(hand.file()).convertToFormat(QImage::Format_RGBA8888), before);
    }

    void removalFallsBackOnlyFromCustom_data() {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("after");
        QTest::newRow("custom") << "custom"
                                << "classic";
        QTest::newRow("night") << "night"
                               << "night";
    }

    void removalFallsBackOnlyFromCustom() {
        QFETCH(QString, chosen);
        QFETCH(QString, after);
        CustomHand hand(path("three/custom-hand.png"));
        QCOMPARE(importNow(hand, m_skin), 1);
        Prefs::shared().setHandID(chosen);
        hand.remove();
        QVERIFY(!hand.hasImage());
        QVERIFY(!QFile::exists(hand.file()));
        QCOMPARE(Prefs::shared().handID(), after);
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
