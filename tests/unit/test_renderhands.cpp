#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// Runs the real program, the way documentation scripts do.
class TestRenderHands : public QObject {
    Q_OBJECT

    static QProcessEnvironment withoutDisplay() {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(QString::fromLatin1(name));
        return env;
    }

  private slots:
    void writesBothSheetsIntoANewFolder() {
        QTemporaryDir root;
        const QString dir = root.filePath(QStringLiteral("docs/nested/sheets"));
        QProcess program;
        program.setProcessEnvironment(withoutDisplay());
        program.start(QStringLiteral(HANDWICK_BIN), {QStringLiteral("--render-hands"), dir});
        QVERIFY(program.waitForFinished(60000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
        QCOMPARE(QString::fromLocal8Bit(program.readAllStandardOutput()),
                 QStringLiteral("wrote ") + dir + QStringLiteral("\nEXIT 0\n"));

        const QImage light(dir + QStringLiteral("/hands-light.png"));
        const QImage dark(dir + QStringLiteral("/hands-dark.png"));
        QCOMPARE(light.size(), QSize(2100, 1020));
        QCOMPARE(dark.size(), QSize(2100, 1020));
        QCOMPARE(light.pixel(2, 2), qRgb(242, 242, 242));
        QCOMPARE(dark.pixel(2, 2), qRgb(31, 31, 31));
        // The empty cells after the nineteenth hand show only the background.
        QCOMPARE(light.pixel(2000, 900), qRgb(242, 242, 242));
        // A hand in the first cell: the classic outline across its finger.
        int darkPixels = 0;
        for (int x = 100; x < 200; ++x)
            darkPixels += qGray(light.pixel(x, 100)) < 60;
        QVERIFY(darkPixels > 4);
    }

    void switchWithoutAFolderIsNotTheCommand() {
        QTemporaryDir home;
        QProcessEnvironment env = withoutDisplay();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("HOME"), home.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
        QProcess program;
        program.setProcessEnvironment(env);
        program.setWorkingDirectory(home.path());
        program.start(QStringLiteral(HANDWICK_BIN), {QStringLiteral("--render-hands")});
        QVERIFY(program.waitForStarted());
        program.waitForFinished(1500); // the program starts as usual and keeps running
        program.kill();
        program.waitForFinished();
        QVERIFY(!program.readAllStandardOutput().contains("wrote"));
        QVERIFY(!QFile::exists(home.filePath(QStringLiteral("hands-light.png"))));
        QVERIFY(!QFile::exists(home.filePath(QStringLiteral("--render-hands/hands-light.png"))));
    }
};

QTEST_GUILESS_MAIN(TestRenderHands)
#include "test_renderhands.moc"
