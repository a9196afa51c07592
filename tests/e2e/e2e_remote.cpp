// Remote control and the one running Handwick, with the real program in a
// real X session (run through session.sh): what a desktop shortcut or a
// script does is seen on the screen.
#include "Drive.h"

#include <QTest>

namespace {
const QColor coral = QColor::fromRgbF(1.0f, 0.33f, 0.36f);

struct Outcome {
    int status = -1;
    QString said; // standard error
};

// Runs handwick with `args` in this session, as a shortcut would, and waits for it.
Outcome handwick(const QStringList& args) {
    QProcess program;
    program.start(qEnvironmentVariable("HANDWICK_BIN"), args);
    if (!program.waitForFinished(10000)) return {};
    return {program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1,
            QString::fromLocal8Bit(program.readAllStandardError())};
}
} // namespace

class TestRemote : public QObject {
    Q_OBJECT

  private slots:
    void withoutHandwickACommandSaysSo() {
        const Outcome clear = handwick({"--clear"});
        QCOMPARE(clear.status, 1);
        QCOMPARE(clear.said, QString("Handwick is not running\n"));
    }

    void toggleTurnsTheRunningPointerOnAndOff() {
        Handwick h;
        QVERIFY2(h.start(), qPrintable(h.why()));
        const QPoint mouse(640, 300);
        moveMouse(mouse);
        const QRect area(mouse - QPoint(120, 60), QSize(280, 240));
        const QImage before = h.x.screenshot(area);
        QCOMPARE(handwick({"--toggle"}).status, 0);
        QCOMPARE(h.overlays(), 1); // acknowledged only once it is on
        QVERIFY2(waitFor([&] { return h.x.screenshot(area) != before; }), "no hand on the screen");
        keep(h.x.screenshot(), "remote-on");
        QCOMPARE(handwick({"--toggle"}).status, 0);
        QCOMPARE(h.overlays(), 0);
        QVERIFY(waitFor([&] { return h.x.screenshot(area) == before; }));
    }

    void aChosenToolDrawsOnTheNextDrag() {
        Handwick h;
        QVERIFY2(h.start(), qPrintable(h.why()));
        QCOMPARE(handwick({"--on", "--tool", "box"}).status, 0);
        QVERIFY(h.overlayHasKeyboard());
        xdo("mousemove 300 200 mousedown 1 mousemove 400 260 mousemove 500 320 mouseup 1");
        xdo("mousemove 1150 600");
        // The box's four sides, and nothing of a pen's diagonal across it.
        const QList<QPoint> sides = {{400, 200}, {400, 320}, {300, 260}, {500, 260}};
        QVERIFY2(waitFor([&] {
                     const QImage shot = h.x.screenshot();
                     keep(shot, "remote-box");
                     return std::all_of(
                                sides.begin(), sides.end(),
                                [&](QPoint p) { return near(shot.pixelColor(p), coral, 16); }) &&
                            !near(shot.pixelColor(400, 260), coral, 16);
                 }),
                 "no coral box where the mouse was dragged");
        QCOMPARE(handwick({"--clear", "--off"}).status, 0);
        QCOMPARE(h.overlays(), 0);
    }

    // The first one puts the pointer away, keeps its one tray icon and opens
    // its settings, in the user's language.
    void aSecondStartOpensTheSettingsOfTheFirst() {
        QProcessEnvironment german;
        german.insert("LANGUAGE", "de");
        german.insert("LANG", "de_DE.UTF-8");
        Handwick h({}, german);
        QVERIFY2(h.start(), qPrintable(h.why()));
        QCOMPARE(handwick({"--on"}).status, 0);
        QElapsedTimer took;
        took.start();
        QCOMPARE(handwick({}).status, 0); // and it ends at once
        QVERIFY(took.elapsed() < 3000);
        QCOMPARE(h.overlays(), 0);
        QVERIFY(h.app.isRunning() && h.x.trayIconOf(h.app.pid()));
        QVERIFY(waitFor([&] {
            const auto windows = h.x.popupsOf(h.app.pid());
            return std::any_of(windows.begin(), windows.end(), [&](const XProbe::Window& w) {
                return h.x.title(w.id) == QString("Allgemein — Handwick");
            });
        }));
    }
};

QTEST_MAIN(TestRemote)
#include "e2e_remote.moc"
