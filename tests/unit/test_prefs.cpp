#include "prefs/Prefs.h"
#include "prefs/SafeNumbers.h"

#include <QFile>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <csignal>
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
        f.open(QIODevice::WriteOnly);
        f.write("[General]\n" + body);
        return path;
    }

    static QString fileText(const QString& path) {
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        return QString::fromUtf8(f.readAll());
    }

  private slots:
    void firstStartHasTheDefaultsAndWritesNothing() {
        const QString path = freshPath();
        Prefs p(path);
        QCOMPARE(p.handID(), QStringLiteral("classic"));
        QCOMPARE(p.handSize(), HandSize::medium);
        QCOMPARE(p.tool(), Tool::pen);
        QCOMPARE(p.color(), InkColor::coral);
        QCOMPARE(p.penWidth(), 5.0);
        QCOMPARE(p.fadeAfter(), 0.0);
        QCOMPARE(p.sound(), TapSound::pop);
        QCOMPARE(p.volume(), 0.6);
        QVERIFY(!p.muted() && !p.laser() && !p.spotlight() && !p.welcomed());
        QVERIFY(p.showToolbar() && p.sway());
        QCOMPARE(p.spotlightRadius(), 150.0);
        QVERIFY(!QFile::exists(path)); // registered defaults live in memory only
    }

    void everySettingSurvivesARestart() {
        const QString path = freshPath();
        {
            Prefs p(path);
            p.setHandID(QStringLiteral("night"));
            p.setLaser(true);
            p.setHandSize(HandSize::large);
            p.setTool(Tool::box);
            p.setColor(InkColor::violet);
            p.setPenWidth(0.1);
            p.setFadeAfter(1.0 / 3.0);
            p.setSound(TapSound::chime);
            p.setMuted(true);
            p.setVolume(0.25);
            p.setShowToolbar(false);
            p.setSpotlight(true);
            p.setSpotlightRadius(222.5);
            p.setSway(false);
            p.setWelcomed(true);
        }
        Prefs q(path);
        QCOMPARE(q.handID(), QStringLiteral("night"));
        QVERIFY(q.laser() && q.muted() && q.spotlight() && q.welcomed());
        QVERIFY(!q.showToolbar() && !q.sway());
        QCOMPARE(q.handSize(), HandSize::large);
        QCOMPARE(q.tool(), Tool::box);
        QCOMPARE(q.color(), InkColor::violet);
        QCOMPARE(q.penWidth(), 0.1);
        QCOMPARE(q.fadeAfter(), 1.0 / 3.0); // exact round trip
        QCOMPARE(q.sound(), TapSound::chime);
        QCOMPARE(q.volume(), 0.25);
        QCOMPARE(q.spotlightRadius(), 222.5);
        // Enumerations are kept as their raw text.
        QCOMPARE(QSettings(path, QSettings::IniFormat).value("tool").toString(), "box");
    }

    void aSettingSurvivesTheProcessBeingKilledRightAfter() {
        const QString path = freshPath();
        const pid_t child = fork();
        if (child == 0) {
            Prefs p(path);
            p.setTool(Tool::arrow);
            raise(SIGKILL);
            _exit(0);
        }
        int status = 0;
        waitpid(child, &status, 0);
        QVERIFY(WIFSIGNALED(status));
        QCOMPARE(Prefs(path).tool(), Tool::arrow);
    }

    void onlyRealChangesAreAnnouncedButEverySetIsWritten() {
        const QString path = freshPath();
        Prefs p(path);
        QSignalSpy toolSpy(&p, &Prefs::toolChanged);
        QSignalSpy widthSpy(&p, &Prefs::penWidthChanged);
        p.setTool(Tool::pen); // the default: unchanged
        QCOMPARE(toolSpy.count(), 0);
        QCOMPARE(QSettings(path, QSettings::IniFormat).value("tool").toString(),
                 QStringLiteral("pen"));
        p.setTool(Tool::steps);
        p.setTool(Tool::steps);
        QCOMPARE(toolSpy.count(), 1);
        p.setPenWidth(std::nan(""));
        p.setPenWidth(std::nan(""));
        QCOMPARE(widthSpy.count(), 1); // NaN over NaN is no change
    }

    void unreadableTextFallsBackAndIsNotWrittenBack() {
        const QString path = writeIni("tool=Box\nhandSize=tiny\ncolor=\nsound=POP\nhandID=Mystery\n"
                                      "laser=true\nmuted=1\nsway=false\nwelcomed=maybe\n");
        Prefs p(path);
        QCOMPARE(p.tool(), Tool::pen);
        QCOMPARE(p.handSize(), HandSize::medium); // the default, not the first case
        QCOMPARE(p.color(), InkColor::coral);
        QCOMPARE(p.sound(), TapSound::pop);
        QCOMPARE(p.handID(), QStringLiteral("Mystery")); // kept; lookup falls back later
        QVERIFY(p.laser() && p.muted() && !p.sway());
        QVERIFY(!p.welcomed()); // unreadable: the default
        QVERIFY(fileText(path).contains(QStringLiteral("tool=Box")));
    }

    void damagedNumbersAreReadWithoutHarm() {
        const std::pair<QByteArray, double> cases[] = {
            {"nan", std::nan("")}, {"inf", HUGE_VAL}, {"-4", -4}, {"wide", 5}, {"1, 2", 5}};
        for (const auto& [stored, width] : cases) {
            Prefs p(writeIni("penWidth=" + stored + "\nvolume=" + stored + "\nsway=" + stored));
            const double read = p.penWidth();
            QVERIFY2(std::isnan(width) ? std::isnan(read) : read == width, stored.constData());
            // Whatever is stored, what reaches geometry and sound is finite and in range.
            const double safe = SafeNumbers::penWidth(read);
            QVERIFY(std::isfinite(safe) && safe >= 0 && safe <= 200);
            const double loud = SafeNumbers::volume(p.volume());
            QVERIFY(loud >= 0 && loud <= 1);
        }
    }

    void enumerationsKeepTheirTablesInOrder() {
        QCOMPARE(allCases<Tool>().size(), size_t(5));
        QCOMPARE(rawValue(Tool::highlighter), QStringLiteral("highlighter"));
        QCOMPARE(numberKey(Tool::box), 4);
        QCOMPARE(height(HandSize::small), 84.0);
    }
};

QTEST_GUILESS_MAIN(TestPrefs)
#include "test_prefs.moc"
