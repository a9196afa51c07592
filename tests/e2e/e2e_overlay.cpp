// The pointer overlay of the real handwick program in a real X session (run
// through session.sh): driven with xdotool, observed through the X server and
// screenshots of the composited screen, each test with a fresh program and a
// clean home. HANDWICK_E2E_SHOTS=folder keeps the screenshots to look at.
#include "HandwickProcess.h"
#include "ScreenCheck.h"
#include "XProbe.h"

#include <QApplication>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <functional>

namespace {
using namespace ScreenCheck;

bool run(const QString& program, const QStringList& args) {
    return QProcess::execute(program, args) == 0;
}
bool xdotool(const QStringList& args) {
    return run(QStringLiteral("xdotool"), args);
}
void press(const QString& keys) {
    xdotool({QStringLiteral("key"), keys});
}
void moveMouse(QPoint p) {
    xdotool({QStringLiteral("mousemove"), QString::number(p.x()), QString::number(p.y())});
}
void click(int button = 1) {
    xdotool({QStringLiteral("click"), QString::number(button)});
}

// Polls `check` while the event loop runs, up to `ms` milliseconds.
bool waitFor(const std::function<bool()>& check, int ms = 5000) {
    QElapsedTimer timer;
    timer.start();
    while (!check()) {
        if (timer.elapsed() > ms) return false;
        QTest::qWait(40);
    }
    return true;
}

// Another program's window: counts the mouse presses and keys it gets.
class TargetWindow : public QWidget {
  public:
    int presses = 0;
    QList<int> keys;
    TargetWindow() {
        setWindowTitle(QStringLiteral("target"));
        resize(360, 240);
    }

  protected:
    void mousePressEvent(QMouseEvent*) override { ++presses; }
    void keyPressEvent(QKeyEvent* event) override { keys << event->key(); }
};

// One handwick run with the probe that watches it.
struct Handwick {
    XProbe x;
    HandwickProcess app;

    explicit Handwick(const QProcessEnvironment& env = {}) : app(env) {}

    // Starts the program and waits until it is ready for hot keys: they are
    // registered before the tray icon or the notice appears.
    bool start(bool withTray = true) {
        if (!x.isConnected() || !app.start()) return false;
        return waitFor([&] {
            return withTray ? x.trayIconOf(app.pid()).has_value()
                            : !x.popupsOf(app.pid()).isEmpty();
        });
    }
    qsizetype overlays() { return x.overlaysOf(app.pid()).size(); }
    // Waits until the overlay holds the keyboard, so the next key reaches it.
    bool overlayHasKeyboard() {
        return waitFor([&] {
            const auto overlays = x.overlaysOf(app.pid());
            const uint32_t focus = x.focusWindow();
            return std::any_of(overlays.begin(), overlays.end(),
                               [focus](const XProbe::Window& w) { return w.id == focus; });
        });
    }
    // Waits until the fingertip shows on the mouse at `mouse`; `before` is
    // `area` taken while the hand was elsewhere.
    HandPlace waitForHand(const QImage& before, const QRect& area, QPoint mouse,
                          const QString& shotName) {
        HandPlace place;
        QImage after;
        waitFor([&] {
            after = x.screenshot(area);
            place = handPlace(before, after, mouse - area.topLeft());
            return fingertipOnMouse(place);
        });
        keep(after, shotName);
        return place;
    }
};

// The area a hand at `mouse` occupies at rest, with a little room.
QRect handArea(QPoint mouse) {
    return QRect(mouse - QPoint(120, 60), QSize(280, 240));
}
} // namespace

class E2eOverlay : public QObject {
    Q_OBJECT

    bool inSession(const char* name) { return qgetenv("HANDWICK_E2E_SESSION") == name; }

  private slots:
    void hotKeyShowsTheHandOnTheMouse() {
        Handwick h;
        QVERIFY2(h.start(), qPrintable(h.app.errorString() + h.app.output()));
        const QPoint mouse(400, 250);
        moveMouse(mouse);
        const QImage before = h.x.screenshot();
        press(QStringLiteral("ctrl+alt+h"));
        QTRY_COMPARE(h.overlays(), 1);

        const QRect area = handArea(mouse);
        const HandPlace place = h.waitForHand(before.copy(area), area, mouse, "hand-on");
        QVERIFY2(fingertipOnMouse(place), qPrintable(place.describe()));

        // The stick leaves the wrist downwards to the right, as the hand leans
        // left at rest: lower down, the wood lies further right.
        const QImage shot = h.x.screenshot();
        keep(shot, QStringLiteral("hand-on-screen"));
        const auto upper = spreadOf(shot, QRect(mouse + QPoint(-40, 130), QSize(340, 80)), wood);
        const auto lower = spreadOf(shot, QRect(mouse + QPoint(-40, 330), QSize(400, 80)), wood);
        QVERIFY2(
            upper.count > 100 && lower.count > 100,
            qPrintable(QStringLiteral("wood pixels: %1 and %2").arg(upper.count).arg(lower.count)));
        QVERIFY(upper.meanX > mouse.x());
        QVERIFY(lower.meanX > upper.meanX + 20);

        // It follows the mouse elsewhere and settles with the tip on it again.
        const QPoint next(800, 300);
        const QRect nextArea = handArea(next);
        const QImage nextBefore = h.x.screenshot(nextArea);
        moveMouse(next);
        const HandPlace moved = h.waitForHand(nextBefore, nextArea, next, "hand-moved");
        QVERIFY2(fingertipOnMouse(moved), qPrintable(moved.describe()));
        QVERIFY(h.app.isRunning());
    }

    void clicksNeverReachTheWindowUnderneath() {
        TargetWindow target;
        target.show();
        QVERIFY(QTest::qWaitForWindowExposed(&target));
        Handwick h;
        QVERIFY2(h.start(), qPrintable(h.app.errorString()));
        const QPoint inside = target.mapToGlobal(target.rect().center());
        moveMouse(inside);
        press(QStringLiteral("ctrl+alt+h"));
        QTRY_COMPARE(h.overlays(), 1);

        xdotool({QStringLiteral("click"), QStringLiteral("--repeat"), QStringLiteral("3"),
                 QStringLiteral("--delay"), QStringLiteral("60"), QStringLiteral("1")});
        click(3);
        click(2);
        xdotool({QStringLiteral("mousedown"), QStringLiteral("1"), QStringLiteral("mousemove"),
                 QString::number(inside.x() + 30), QString::number(inside.y() + 20),
                 QStringLiteral("mouseup"), QStringLiteral("1")});
        press(QStringLiteral("ctrl+alt+h"));
        QTRY_COMPARE(h.overlays(), 0);

        // X delivers in order: once this click is in, any earlier one would be.
        click(1);
        QTRY_VERIFY(target.presses > 0);
        QCOMPARE(target.presses, 1);
        QVERIFY(h.app.isRunning());
    }

    void escapeGivesTheKeyboardBack() {
        TargetWindow target;
        target.show();
        QVERIFY(QTest::qWaitForWindowExposed(&target));
        target.activateWindow();
        Handwick h;
        QTRY_COMPARE(h.x.activeWindow(), uint32_t(target.winId()));
        QVERIFY2(h.start(), qPrintable(h.app.errorString()));
        moveMouse(QPoint(600, 400));
        press(QStringLiteral("ctrl+alt+h"));
        QTRY_COMPARE(h.overlays(), 1);
        QVERIFY(h.overlayHasKeyboard());

        press(QStringLiteral("Escape"));
        QTRY_COMPARE(h.overlays(), 0);
        QTRY_COMPARE(h.x.activeWindow(), uint32_t(target.winId()));
        press(QStringLiteral("a"));
        QTRY_VERIFY(target.keys.contains(Qt::Key_A));
        QVERIFY(!target.keys.contains(Qt::Key_Escape)); // that one was the overlay's
        QVERIFY(h.app.isRunning());
    }

    void trayIconTogglesAndItsMenuTurnsOn() {
        Handwick h;
        QVERIFY2(h.start(), qPrintable(h.app.errorString()));
        const XProbe::Window icon = *h.x.trayIconOf(h.app.pid());
        const QImage offLook = h.x.screenshot(icon.rect);
        keep(offLook, QStringLiteral("tray-off"));

        const QPoint away(400, 250);
        const QImage awayBefore = h.x.screenshot(handArea(away));

        moveMouse(icon.rect.center());
        click(1);
        QTRY_COMPARE(h.overlays(), 1);
        // Once the hand is off the icon, the icon shows its "on" look through
        // the clear overlay.
        moveMouse(away);
        QVERIFY(fingertipOnMouse(h.waitForHand(awayBefore, handArea(away), away, "tray-hand")));
        const QImage onLook = h.x.screenshot(icon.rect);
        keep(onLook, QStringLiteral("tray-on"));
        QVERIFY(onLook != offLook);
        // The overlay covers the tray while on: turn off from the keyboard.
        QVERIFY(h.overlayHasKeyboard());
        press(QStringLiteral("Escape"));
        QTRY_COMPARE(h.overlays(), 0);
        QVERIFY(waitFor([&] { return h.x.screenshot(icon.rect) == offLook; }));

        // A right click opens the menu; its first item turns the pointer on.
        moveMouse(icon.rect.center());
        click(3);
        QList<XProbe::Window> popups;
        QVERIFY(waitFor([&] { return !(popups = h.x.popupsOf(h.app.pid())).isEmpty(); }));
        const QRect menu = popups.front().rect;
        keep(h.x.screenshot(menu), QStringLiteral("tray-menu"));
        moveMouse(menu.topLeft() + QPoint(40, 12));
        click(1);
        QTRY_COMPARE(h.overlays(), 1);
        press(QStringLiteral("ctrl+alt+h"));
        QTRY_COMPARE(h.overlays(), 0);
        QVERIFY(h.app.isRunning());
    }

    void aRefusedHotKeyLeavesTheOthersWorking() {
        QProcess other; // holds Ctrl+Alt+X as another program would
        other.start(QCoreApplication::applicationDirPath() + QStringLiteral("/xtool"),
                    {QStringLiteral("grab"), QStringLiteral("x")});
        QVERIFY(other.waitForReadyRead(5000));
        QCOMPARE(other.readLine().trimmed(), QByteArray("grabbed"));
        const auto release = qScopeGuard([&] {
            other.closeWriteChannel();
            if (!other.waitForFinished(2000)) other.kill();
        });

        Handwick h;
        QVERIFY2(h.start(), qPrintable(h.app.errorString()));
        const QPoint mouse(500, 300);
        moveMouse(mouse);
        press(QStringLiteral("ctrl+alt+x"));
        press(QStringLiteral("ctrl+alt+h"));
        QTRY_COMPARE(h.overlays(), 1);
        press(QStringLiteral("ctrl+alt+h"));
        QTRY_COMPARE(h.overlays(), 0);

        // Ctrl+Alt+S turns on with the spotlight: the screen away from the
        // mouse darkens; again, and the spotlight goes while the pointer stays.
        const QRect far(40, 40, 120, 120);
        const double light = brightness(h.x.screenshot(), far);
        press(QStringLiteral("ctrl+alt+s"));
        QTRY_COMPARE(h.overlays(), 1);
        QVERIFY(waitFor(
            [&] { return brightness(h.x.screenshot(far), QRect(0, 0, 120, 120)) < 0.6 * light; }));
        keep(h.x.screenshot(), QStringLiteral("spotlight"));
        press(QStringLiteral("ctrl+alt+s"));
        QVERIFY(waitFor(
            [&] { return brightness(h.x.screenshot(far), QRect(0, 0, 120, 120)) > 0.95 * light; }));
        QCOMPARE(h.overlays(), 1);
        press(QStringLiteral("ctrl+alt+h"));
        QTRY_COMPARE(h.overlays(), 0);
        QVERIFY(h.app.isRunning());
    }

    void aScreenAddedWhileOnGetsItsOverlay() {
        Handwick h;
        QVERIFY2(h.start(), qPrintable(h.app.errorString()));
        moveMouse(QPoint(200, 250));
        press(QStringLiteral("ctrl+alt+h"));
        QTRY_COMPARE(h.overlays(), 1);

        // The right half of the display becomes a monitor of its own.
        const QSize size = h.x.screenSize();
        const QString extra =
            QStringLiteral("%1/250x%2/280+%1+0").arg(size.width() / 2).arg(size.height());
        QVERIFY(
            run(QStringLiteral("xrandr"), {QStringLiteral("--setmonitor"), QStringLiteral("extra"),
                                           extra, QStringLiteral("none")}));
        const auto removeMonitor = qScopeGuard([] {
            run(QStringLiteral("xrandr"),
                {QStringLiteral("--delmonitor"), QStringLiteral("extra")});
        });
        QTRY_COMPARE(h.overlays(), 2);
        const auto overlays = h.x.overlaysOf(h.app.pid());
        QVERIFY(std::any_of(overlays.begin(), overlays.end(), [&](const XProbe::Window& w) {
            return w.rect == QRect(size.width() / 2, 0, size.width() / 2, size.height());
        }));

        const QPoint there(size.width() * 3 / 4, size.height() / 3);
        const QRect area = handArea(there);
        const QImage before = h.x.screenshot(area);
        moveMouse(there);
        const HandPlace place = h.waitForHand(before, area, there, "hand-on-added-screen");
        QVERIFY2(fingertipOnMouse(place), qPrintable(place.describe()));

        QVERIFY(run(QStringLiteral("xrandr"),
                    {QStringLiteral("--delmonitor"), QStringLiteral("extra")}));
        QTRY_COMPARE(h.overlays(), 1);
        QVERIFY(h.overlayHasKeyboard());
        press(QStringLiteral("Escape"));
        QTRY_COMPARE(h.overlays(), 0);
        QVERIFY(h.app.isRunning());
    }

    void aStillPointerPaintsNothing() {
        QTemporaryDir dir;
        const QString stats = dir.filePath(QStringLiteral("frames.txt"));
        QProcessEnvironment env;
        env.insert(QStringLiteral("HANDWICK_FRAME_STATS"), stats);
        Handwick h(env);
        QVERIFY2(h.start(), qPrintable(h.app.errorString()));
        const auto size = [&] { return QFileInfo(stats).size(); };
        moveMouse(QPoint(300, 300));
        press(QStringLiteral("ctrl+alt+h"));
        QTRY_COMPARE(h.overlays(), 1);
        xdotool({QStringLiteral("mousemove"), QStringLiteral("500"), QStringLiteral("320"),
                 QStringLiteral("sleep"), QStringLiteral("0.05"), QStringLiteral("mousemove"),
                 QStringLiteral("700"), QStringLiteral("340")});
        QTRY_VERIFY(size() > 0); // frames came while it moved

        // Once the sway settles the frames stop: nothing is ticked or painted.
        const auto quietFor = [&](int ms) {
            const qint64 before = size();
            QTest::qWait(ms);
            return size() == before;
        };
        QVERIFY(waitFor([&] { return quietFor(300); }, 5000));
        QVERIFY(quietFor(1000));
        // Motion wakes it at once.
        moveMouse(QPoint(720, 360));
        QTRY_VERIFY(!quietFor(100));
        QVERIFY(h.app.isRunning());
    }

    // Run by the no-tray session only.
    void withoutATrayTheHotKeysStillWork() {
        if (!inSession("no-tray")) QSKIP("needs a session without a tray host");
        Handwick h;
        QVERIFY2(h.start(false), qPrintable(h.app.errorString() + h.app.output()));
        QVERIFY(!h.x.trayIconOf(h.app.pid()));
        QVERIFY(!h.x.popupsOf(h.app.pid()).isEmpty()); // the notice
        keep(h.x.screenshot(), QStringLiteral("no-tray-notice"));
        press(QStringLiteral("ctrl+alt+h"));
        QTRY_COMPARE(h.overlays(), 1);
        press(QStringLiteral("ctrl+alt+h"));
        QTRY_COMPARE(h.overlays(), 0);
        QVERIFY(h.app.isRunning());
    }

    // Run by the no-compositor session only.
    void withoutACompositorItStartsAndSaysSo() {
        if (!inSession("no-compositor")) QSKIP("needs a session without a compositor");
        Handwick h;
        QVERIFY2(h.start(), qPrintable(h.app.errorString() + h.app.output()));
        QVERIFY(waitFor([&] { return !h.x.popupsOf(h.app.pid()).isEmpty(); }));
        keep(h.x.screenshot(), QStringLiteral("no-compositor-notice"));
        moveMouse(QPoint(400, 250));
        press(QStringLiteral("ctrl+alt+h"));
        QTRY_COMPARE(h.overlays(), 1);
        QVERIFY(h.overlayHasKeyboard());
        press(QStringLiteral("Escape"));
        QTRY_COMPARE(h.overlays(), 0);
        QVERIFY(h.app.isRunning());
    }
};

QTEST_MAIN(E2eOverlay)
#include "e2e_overlay.moc"
