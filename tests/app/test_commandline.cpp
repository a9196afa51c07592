#include "SyntheticHandPhoto.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// The switches that work without any display, run as users and scripts run them.
class TestCommandLine : public QObject {
    Q_OBJECT

    QTemporaryDir m_home;

    // Runs handwick with no display and private settings and data folders.
    QProcess* run(const QStringList& args, const QString& configHome = {}) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(name);
        env.insert("HOME", m_home.path());
        env.insert("XDG_DATA_HOME", m_home.filePath("data"));
        env.insert("XDG_CONFIG_HOME",
                   configHome.isEmpty() ? m_home.filePath("config") : configHome);
        auto* program = new QProcess(this);
        program->setProcessEnvironment(env);
        program->setWorkingDirectory(m_home.path());
        program->start(QStringLiteral(HANDWICK_BIN), args);
        program->waitForFinished(60000);
        return program;
    }

  private slots:
    void renderHandsWritesBothSheetsIntoANewFolder() {
        const QString dir = m_home.filePath("docs/nested/sheets");
        QProcess* program = run({"--render-hands", dir});
        QVERIFY(program->exitStatus() == QProcess::NormalExit && program->exitCode() == 0);
        QCOMPARE(program->readAllStandardOutput(), "wrote " + dir.toLocal8Bit() + "\nEXIT 0\n");

        const QImage light(dir + "/hands-light.png"), dark(dir + "/hands-dark.png");
        QVERIFY(light.size() == QSize(2100, 1020) && dark.size() == light.size());
        QCOMPARE(dark.pixel(2, 2), qRgb(31, 31, 31));
        // The empty cells after the nineteenth hand show only the background.
        QCOMPARE(light.pixel(2000, 900), light.pixel(2, 2));
        // A hand in the first cell: the classic outline across its finger.
        int darkPixels = 0;
        for (int x = 100; x < 200; ++x)
            darkPixels += qGray(light.pixel(x, 100)) < 60;
        QVERIFY(darkPixels > 4);

        // A folder that cannot be made (below a file) is a failure, told on one line.
        program = run({"--render-hands", QString(HANDWICK_BIN) + "/sheets"});
        QCOMPARE(program->exitCode(), 1);
        QVERIFY(program->readAllStandardOutput().isEmpty());
        QVERIFY(program->readAllStandardError().contains("handwick: cannot write"));
    }

    void importHandPrintsTheStoredFileOrTheError() {
        const QString photo = m_home.filePath(QStringLiteral("hand.jpg"));
        QVERIFY(SyntheticHandPhoto::make({}).photo.save(photo, "JPEG", 90));
        const QString flag = QStringLiteral("--import-hand");
        const QString stored = m_home.filePath(QStringLiteral("data/Handwick/custom-hand.png"));
        const QString refused = QStringLiteral("This file is not a picture Handwick can read.");
        const std::tuple<QStringList, int, QString> cases[] = {
            {{flag, photo}, 0, stored}, {{flag, m_home.path()}, 1, refused}, {{flag}, 1, refused}};
        for (const auto& [args, status, line] : cases) {
            QProcess* program = run(args);
            QVERIFY(program->exitStatus() == QProcess::NormalExit && program->exitCode() == status);
            QCOMPARE(QString::fromLocal8Bit(program->readAllStandardOutput()), line + '\n');
        }
        // Settings that cannot be saved could not choose the new hand: the
        // import fails and the hand stored before stays.
        const QByteArray before = [&] {
            QFile f(stored);
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        }();
        const QString blocked = m_home.filePath("blocked");
        QVERIFY(QDir().mkpath(blocked) && QFile(photo).copy(blocked + "/Handwick")); // not a folder
        QProcess* program = run({flag, photo}, blocked);
        QCOMPARE(program->exitCode(), 1);
        QVERIFY(program->readAllStandardOutput().contains("cannot save its settings"));
        QFile after(stored);
        QVERIFY(after.open(QIODevice::ReadOnly) && after.readAll() == before && !before.isEmpty());
    }
};

QTEST_MAIN(TestCommandLine)
#include "test_commandline.moc"
