#include "overlay/FrameStats.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestFrameStats : public QObject {
    Q_OBJECT
  private slots:
    void recordsAreWholeLinesAppendedToWhatIsThere() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("frames.txt"));
        {
            QFile earlier(path);
            QVERIFY(earlier.open(QIODevice::WriteOnly));
            earlier.write("tick 1.0\n");
        }
        {
            FrameStats::Log log(path);
            QVERIFY(log.isOpen());
            log.tick(123'456);
            log.paint(2'000, 4'147'200);
        }
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("tick 1.0\ntick 123.5\npaint 2.0 4147200\n"));
    }

    void anUnwritablePathRecordsNothing() {
        FrameStats::Log log(QStringLiteral("/nonexistent-folder/frames.txt"));
        QVERIFY(!log.isOpen());
        log.tick(1000); // harmless
        FrameStats::Log unnamed{QString()};
        QVERIFY(!unnamed.isOpen());
    }

    void pixelCountIsInDevicePixels_data() {
        QTest::addColumn<QRegion>("region");
        QTest::addColumn<double>("scale");
        QTest::addColumn<qint64>("pixels");
        const QRegion overlapping = QRegion(0, 0, 100, 100) + QRegion(50, 50, 100, 100);
        QTest::newRow("empty") << QRegion() << 1.0 << qint64(0);
        QTest::newRow("overlap counted once") << overlapping << 1.0 << qint64(17'500);
        QTest::newRow("scale 2") << overlapping << 2.0 << qint64(70'000);
        QTest::newRow("4K screen") << QRegion(0, 0, 3840, 2160) << 1.0 << qint64(8'294'400);
    }
    void pixelCountIsInDevicePixels() {
        QFETCH(QRegion, region);
        QFETCH(double, scale);
        QFETCH(qint64, pixels);
        QCOMPARE(qint64(FrameStats::pixelCount(region, scale)), pixels);
    }
};

QTEST_MAIN(TestFrameStats)
#include "test_framestats.moc"
