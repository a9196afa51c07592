#include "SyntheticHandPhoto.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// `handwick --import-hand FILE`, run as users and scripts run it: no display.
class TestImportCommand : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    QProcess* start(const QStringList& args) {
        auto* run = new QProcess(this);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(QString::fromLatin1(name));
        env.insert(QStringLiteral("XDG_DATA_HOME"), m_dir.filePath(QStringLiteral("data")));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_dir.filePath(QStringLiteral("config")));
        run->setProcessEnvironment(env);
        run->start(QStringLiteral(HANDWICK_BIN), args);
        run->waitForFinished(60000);
        return run;
    }

  private slots:
    void printsTheStoredFileOrTheError_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("line");
        const QString photo = m_dir.filePath(QStringLiteral("hand.jpg"));
        QVERIFY(SyntheticHandPhoto::make({}).photo.save(photo, "JPEG", 90));
        const QString stored = m_dir.filePath(QStringLiteral("data/Handwick/custom-hand.png"));
        const QString flag = QStringLiteral("--import-hand");
        QTest::newRow("photo") << QStringList{flag, photo} << 0 << stored;
        QTest::newRow("not a picture")
            << QStringList{flag, m_dir.path()} << 1
            << QStringLiteral("This file is not a picture Handwick can read.");
        QTest::newRow("no file named")
            << QStringList{flag} << 1
            << QStringLiteral("This file is not a picture Handwick can read.");
    }

    void printsTheStoredFileOrTheError() {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, line);
        QProcess* run = start(args);
        QCOMPARE(run->exitStatus(), QProcess::NormalExit);
        QCOMPARE(run->exitCode(), status);
        QCOMPARE(QString::fromLocal8Bit(run->readAllStandardOutput()), line + QLatin1Char('\n'));
    }
};

QTEST_MAIN(TestImportCommand)
#include "test_importcommand.moc"
