// The pointer overlay of the real handwick program in a real X session (run
// through session.sh), each test with a fresh program and a clean home.
// HANDWICK_E2E_SHOTS=folder keeps the screenshots to look at.
#include "Drive.h"
#include "ScreenCheck.h"

#include <QApplication>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

namespace {
using namespace ScreenCheck;

// Another program's window: counts the mouse presses and keys it gets.
class TargetWindow : public QWidget {
  public:
    int presses = 0;
    QList<int> keys;
    TargetWindow() {
        resize(360, 240);
        show();
    }

  protected:
    void mousePressEvent(QMouseEvent*) override { ++presses; }
    void keyPressEvent(QKeyEvent* event) override { keys << event->key(); }
};

// The area a hand at `mouse` occupies at rest, with a little room.
QRect handArea(QPoint mouse) {
    return QRect(mouse - QPoint(120, 60), QSize(280, 240));
}

// Waits until the fingertip shows on `mouse`; `before` is its hand area
// taken while the hand was elsewhere.
HandPlace waitForHand(Handwick& h, const QImage& before, QPoint mouse, const QString& shotName) {
    const QRect area = handArea(mouse);
    HandPlace place;
    QImage after;
    waitFor([&] {
        after = h.x.screenshot(area);
        place = handPlace(before, after, mouse - area.topLeft());
        return fingertipOnMouse(place);
    });
    keep(after, shotName);
    return place;
}

bool xrandr(const QString& args) {
    return QProcess::execute("xrandr", args.split(' ')) == 0;
}
} // namespace

class E2eOverlay : public QObject {
    Q_OBJECT

  private slots:
    void hotKeyShowsTheHandOnTheMouse() {
        Handwick h;
        QVERIFY2(h.start(), qPrintable(h.why()));
        const QPoint mouse(400, 250);
        const QImage before = h.x.screenshot(handArea(mouse));
        QVERIFY(h.turnOn(mouse));
        const HandPlace place = waitForHand(h, before, mouse, "hand-on");
        QVERIFY2(fingertipOnMouse(place), qPrintable(place.describe()));

        // The stick leaves the wrist downwards to the right, as the hand leans
        // left at rest: lower down, the wood lies further right.
        const QColor wood(183, 129, 74);
        const QImage shot = h.x.screenshot();
        keep(shot, "hand-on-screen");
        const auto upper = spreadOf(shot, QRect(mouse + QPoint(-40, 130), QSize(340, 80)), wood);
        const auto lower = spreadOf(shot, QRect(mouse + QPoint(-40, 330), QSize(400, 80)), wood);
        QVERIFY2(upper.count > 100 && lower.count > 100,
                 qPrintable(QString("wood pixels: %1 and %2").arg(upper.count).arg(lower.count)));
        QVERIFY(upper.meanX > mouse.x());
        QVERIFY(lower.meanX > upper.meanX + 20);
    }

    void clicksNeverReachTheWindowUnderneath() {
        TargetWindow target;
        QVERIFY(QTest::qWaitForWindowExposed(&target));
        Handwick h;
        QVERIFY2(h.start(), qPrintable(h.why()));
        const QPoint inside = target.mapToGlobal(target.rect().center());
        QVERIFY(h.turnOn(inside));
        xdo("click --repeat 3 --delay 60 1 click 3 click 2 mousedown 1 mousemove " +
            at(inside + QPoint(30, 20)) + " mouseup 1");
        QVERIFY(h.pressFor("ctrl+alt+h", 0));

        // X delivers in order: once this click is in, any earlier one would be.
        xdo("click 1");
        QTRY_VERIFY(target.presses > 0);
        QCOMPARE(target.presses, 1);
    }

    void escapeGivesTheKeyboardBack() {
        TargetWindow target;
        QVERIFY(QTest::qWaitForWindowExposed(&target));
        target.activateWindow();
        QTRY_VERIFY(target.isActiveWindow());
        Handwick h;
        QVERIFY2(h.start(), qPrintable(h.why()));
        QVERIFY(h.turnOn(QPoint(600, 400)));
        QTRY_VERIFY(!target.isActiveWindow());

        QVERIFY(h.pressFor("Escape", 0));
        QTRY_VERIFY(target.isActiveWindow());
        press("a");
        QTRY_VERIFY(target.keys.contains(Qt::Key_A));
        QVERIFY(!target.keys.contains(Qt::Key_Escape)); // that one was the overlay's
    }

    void trayIconTogglesAndItsMenuTurnsOn() {
        Handwick h;
        QVERIFY2(h.start(), qPrintable(h.why()));
        const XProbe::Window icon = *h.x.trayIconOf(h.app.pid());
        const QImage offLook = h.x.screenshot(icon.rect);
        keep(offLook, "tray-off");
        const QPoint away(400, 250);
        const QImage awayBefore = h.x.screenshot(handArea(away));

        moveMouse(icon.rect.center());
        xdo("click 1");
        QTRY_COMPARE(h.overlays(), 1);
        // Once the hand is off the icon, the icon shows its "on" look through
        // the clear overlay.
        moveMouse(away);
        QVERIFY(fingertipOnMouse(waitForHand(h, awayBefore, away, "tray-hand")));
        const QImage onLook = h.x.screenshot(icon.rect);
        keep(onLook, "tray-on");
        QVERIFY(onLook != offLook);
        // The overlay covers the tray while on: turn off from the keyboard.
        QVERIFY(h.overlayHasKeyboard());
        QVERIFY(h.pressFor("Escape", 0));
        QVERIFY(waitFor([&] { return h.x.screenshot(icon.rect) == offLook; }));

        // A right click opens the menu; its first item turns the pointer on.
        moveMouse(icon.rect.center());
        xdo("click 3");
        QList<XProbe::Window> popups;
        QVERIFY(waitFor([&] { return !(popups = h.x.popupsOf(h.app.pid())).isEmpty(); }));
        const QRect menu = popups.front().rect;
        keep(h.x.screenshot(menu), "tray-menu");
        xdo("mousemove " + at(menu.topLeft() + QPoint(40, 12)) + " click 1");
        QTRY_COMPARE(h.overlays(), 1);
        QVERIFY(h.pressFor("ctrl+alt+h", 0));
    }

    void aRefusedHotKeyLeavesTheOthersWorking() {
        OtherClient other;
        QVERIFY(other.holdKey('x'));
        Handwick h;
        QVERIFY2(h.start(), qPrintable(h.why()));
        moveMouse(QPoint(500, 300));
        press("ctrl+alt+x");
        QVERIFY(h.pressFor("ctrl+alt+h", 1));
        QVERIFY(h.pressFor("ctrl+alt+h", 0));

        // Ctrl+Alt+S turns on with the spotlight: the screen away from the
        // mouse darkens; again, and the spotlight goes while the pointer stays.
        const QRect far(40, 40, 120, 120);
        const auto farBrightness = [&] { return brightness(h.x.screenshot(far)); };
        const double light = farBrightness();
        QVERIFY(h.pressFor("ctrl+alt+s", 1));
        QVERIFY(waitFor([&] { return farBrightness() < 0.6 * light; }));
        keep(h.x.screenshot(), "spotlight");
        press("ctrl+alt+s");
        QVERIFY(waitFor([&] { return farBrightness() > 0.95 * light; }));
        QCOMPARE(h.overlays(), 1);
        QVERIFY(h.pressFor("ctrl+alt+h", 0));
    }

    void aScreenAddedWhileOnGetsItsOverlay() {
        Handwick h;
        QVERIFY2(h.start(), qPrintable(h.why()));
        QVERIFY(h.turnOn(QPoint(200, 250)));

        // The right half of the display becomes a monitor of its own.
        const QSize size = h.x.screenSize();
        const int half = size.width() / 2;
        QVERIFY(xrandr(
            QString("--setmonitor extra %1/250x%2/280+%1+0 none").arg(half).arg(size.height())));
        const auto removeMonitor = qScopeGuard([] { xrandr("--delmonitor extra"); });
        QTRY_COMPARE(h.overlays(), 2);
        const auto overlays = h.x.overlaysOf(h.app.pid());
        QVERIFY(std::any_of(overlays.begin(), overlays.end(), [&](const XProbe::Window& w) {
            return w.rect == QRect(half, 0, half, size.height());
        }));

        const QPoint there(size.width() * 3 / 4, size.height() / 3);
        const QImage before = h.x.screenshot(handArea(there));
        moveMouse(there);
        const HandPlace place = waitForHand(h, before, there, "hand-on-added-screen");
        QVERIFY2(fingertipOnMouse(place), qPrintable(place.describe()));

        QVERIFY(xrandr("--delmonitor extra"));
        QTRY_COMPARE(h.overlays(), 1);
        QVERIFY(h.overlayHasKeyboard());
        QVERIFY(h.pressFor("Escape", 0));
    }

    void aStillPointerPaintsNothing() {
        QTemporaryDir dir;
        const QString stats = dir.filePath("frames.txt");
        QProcessEnvironment env;
        env.insert("HANDWICK_FRAME_STATS", stats);
        Handwick h({}, env);
        QVERIFY2(h.start(), qPrintable(h.why()));
        const auto size = [&] { return QFileInfo(stats).size(); };
        QVERIFY(h.turnOn(QPoint(300, 300)));
        xdo("mousemove 500 320 sleep 0.05 mousemove 700 340");
        QTRY_VERIFY(size() > 0); // frames came while it moved

        // Once the sway settles the frames stop: nothing is ticked or painted.
        const auto quietFor = [&](int ms) {
            const qint64 before = size();
            QTest::qWait(ms);
            return size() == before;
        };
        QVERIFY(waitFor([&] { return quietFor(300); }));
        QVERIFY(quietFor(1000));
        // Motion wakes it at once.
        moveMouse(QPoint(720, 360));
        QTRY_VERIFY(!quietFor(100));
    }

    // Run only by the sessions without a tray host or without a compositor.
    void whatIsMissingIsToldAndTheHotKeysWork() {
        const bool tray = !sessionWithout("tray");
        if (tray && !sessionWithout("compositor")) QSKIP("needs a session without either");
        Handwick h;
        QVERIFY2(h.start(tray), qPrintable(h.why()));
        QVERIFY(waitFor([&] { return !h.x.popupsOf(h.app.pid()).isEmpty(); })); // the notice
        QCOMPARE(h.x.trayIconOf(h.app.pid()).has_value(), tray);
        keep(h.x.screenshot(), tray ? "no-compositor-notice" : "no-tray-notice");
        moveMouse(QPoint(400, 250));
        QVERIFY(h.pressFor("ctrl+alt+h", 1));
        // A notice left open must not keep the keyboard from the overlay.
        QVERIFY(h.overlayHasKeyboard());
        QVERIFY(h.pressFor("ctrl+alt+h", 0));
    }
};

QTEST_MAIN(E2eOverlay)
#include "e2e_overlay.moc"
