// The settings store: written through on every set, read back without harm
// whatever the file holds, numbers handed out safe.
#include "prefs/Prefs.h"
#include "prefs/SettingsWriter.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <csignal>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

class TestPrefs : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    int m_count = 0;

    QString freshPath() { return m_dir.filePath(QStringLiteral("p%1.ini").arg(++m_count)); }
    QString writeIni(const QByteArray& body) {
        const QString path = freshPath();
        QFile f(path);
        return f.open(QIODevice::WriteOnly) && f.write("[General]\n" + body) > 0 ? path : QString();
    }
    static QByteArray fileText(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

  private slots:
    void everySetIsOnDiskAtOnceButOnlyChangesAreAnnounced() {
        const QString path = freshPath();
        Prefs p(path);
        QVERIFY(!QFile::exists(path)); // the defaults live in memory only
        QSignalSpy tools(&p, &Prefs::toolChanged);
        p.setTool(Tool::pen); // the default: written, not announced
        p.waitForWrites();
        QVERIFY(fileText(path).contains("tool=pen"));
        p.setTool(Tool::box);
        p.setTool(Tool::box);
        p.setFadeAfter(1.0 / 3.0);
        QCOMPARE(tools.count(), 1);
        p.waitForWrites();
        const Prefs q(path); // while p still lives
        QCOMPARE(q.tool(), Tool::box);
        QCOMPARE(q.fadeAfter(), 1.0 / 3.0); // exact round trip
    }

    void aSettingSurvivesTheProcessBeingKilledRightAfter() {
        const QString path = freshPath();
        const pid_t child = fork();
        if (child == 0) {
            Prefs p(path);
            p.setTool(Tool::arrow);
            p.waitForWrites();
            raise(SIGKILL);
            _exit(0);
        }
        int status = 0;
        waitpid(child, &status, 0);
        QVERIFY(WIFSIGNALED(status));
        QCOMPARE(Prefs(path).tool(), Tool::arrow);
    }

    void unreadableValuesFallBackAndAreNotWrittenBack() {
        const QString path =
            writeIni("tool=Box\nhandSize=tiny\ncolor=\nsound=POP\nlaser=yes\n"
                     "muted=1\nsway=false\nwelcomed=maybe\nspotlight=@Invalid()\n");
        const Prefs p(path);
        QCOMPARE(p.tool(), Tool::pen);
        QCOMPARE(p.handSize(), HandSize::medium); // the default, not the first case
        QCOMPARE(p.color(), InkColor::coral);
        QCOMPARE(p.sound(), TapSound::pop);
        QVERIFY(p.laser() && p.muted() && !p.sway() && !p.welcomed() && !p.spotlight());
        QVERIFY(fileText(path).contains("tool=Box"));
    }

    // Whatever the file holds, what reaches geometry, time and sound is finite and
    // in range, and the file keeps what was stored until the next set.
    void numbersAreHandedOutSafeWhileTheFileKeepsThem_data() {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QList<double>>("read"); // pen width, fade, volume, spotlight radius
        QTest::newRow("nan") << QByteArray("nan") << QList<double>{5, 0, 0.6, 150};
        QTest::newRow("inf") << QByteArray("inf") << QList<double>{200, 86400, 1, 10000};
        QTest::newRow("-inf") << QByteArray("-inf")
                              << QList<double>{2, 0, 0, 80}; // the smallest the settings offer
        QTest::newRow("huge") << QByteArray("1e300") << QList<double>{200, 86400, 1, 10000};
        QTest::newRow("not a number") << QByteArray("wide") << QList<double>{5, 0, 0.6, 150};
        QTest::newRow("in range") << QByteArray("0.5") << QList<double>{2, 0.5, 0.5, 80};
    }
    void numbersAreHandedOutSafeWhileTheFileKeepsThem() {
        QFETCH(QByteArray, stored);
        QFETCH(QList<double>, read);
        const QList<QByteArray> keys{"penWidth", "fadeAfter", "volume", "spotlightRadius"};
        QByteArray body;
        for (const QByteArray& key : keys)
            body += key + '=' + stored + '\n';
        const QString path = writeIni(body);
        Prefs p(path);
        QCOMPARE((QList<double>{p.penWidth(), p.fadeAfter(), p.volume(), p.spotlightRadius()}),
                 read);
        p.setMuted(true); // rewrites the file
        p.waitForWrites();
        for (const QByteArray& key : keys)
            QVERIFY(fileText(path).contains(key + '=' + stored + '\n'));
        // A value set now is kept exactly too, and read back safe.
        p.setVolume(std::nan(""));
        p.waitForWrites();
        QCOMPARE(Prefs(path).volume(), 0.6);
        QVERIFY(fileText(path).contains("volume=nan"));
    }

    // A FIFO (or a link to one, as to a device) is never opened or replaced; a
    // file that cannot be written is said once; either way settings live on in memory.
    void settingsThatCannotBeKeptAreSaidOnceAndLostNowhereElse() {
        const QString fifo = freshPath(), link = freshPath(), blocker = writeIni("");
        QVERIFY(mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
        QVERIFY(QFile::link(fifo, link));
        for (const QString& path : {fifo, link, blocker + QStringLiteral("/Handwick.ini")}) {
            Prefs p(path);
            QSignalSpy said(&p, &Prefs::problemChanged);
            p.setTool(Tool::box);
            p.setLaser(true);
            p.waitForWrites();
            QVERIFY2(!p.problem().isEmpty(), qPrintable(path));
            QVERIFY(said.count() <= 1);
            QVERIFY(p.tool() == Tool::box && p.laser());
        }
        QVERIFY(!QFileInfo(fifo).isFile() && QFileInfo(link).isSymLink());
        Prefs fine(freshPath());
        fine.setLaser(true);
        fine.waitForWrites();
        QVERIFY(fine.problem().isEmpty());
    }

    // Sets come back at once; a burst of them reaches the disk in a few writes.
    void writesAreCoalescedOffTheCallersThread() {
        const QString path = freshPath();
        SettingsWriter writer(path);
        QSignalSpy written(&writer, &SettingsWriter::written);
        for (int i = 0; i < 200; ++i)
            writer.write({{QStringLiteral("key%1").arg(i % 20), i}});
        writer.finish();
        QVERIFY2(written.count() < 50, qPrintable(QString::number(written.count())));
        QCOMPARE(QSettings(path, QSettings::IniFormat).value("key19").toInt(), 199);
    }
};

QTEST_GUILESS_MAIN(TestPrefs)
#include "test_prefs.moc"
