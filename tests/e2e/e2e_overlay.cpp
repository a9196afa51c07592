// The pointer overlay of the real handwick program in a real X session (run
// through session.sh), each test with a fresh program and a clean home.
// HANDWICK_E2E_SHOTS=folder keeps the screenshots to look at.
#include "Drive.h"

#include <QFileInfo>
#include <QProcess>
#include <QScopeGuard>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>

namespace {
// The area a hand at `mouse` occupies at rest, with a little room.
QRect handArea(QPoint mouse) {
    return QRect(mouse - QPoint(120, 60), QSize(280, 240));
}

// Empty when the pixels that changed between two pictures of an area make a
// hand with its fingertip on `mouse` (in the pictures' coordinates), else
// what they make.
QString whyNoFingertipOn(QPoint mouse, const QImage& before, const QImage& after) {
    if (before.size() != after.size()) return "no screenshot";
    int changed = 0, top = -1, topCount = 0;
    double nearest = 1e9, topXSum = 0;
    for (int y = 0; y < before.height(); ++y)
        for (int x = 0; x < before.width(); ++x) {
            // Anti-aliasing and the compositor's rounding stay well below 48.
            if (near(before.pixelColor(x, y), after.pixelColor(x, y), 48)) continue;
            ++changed;
            if (top < 0) top = y;
            if (y == top) {
                topXSum += x;
                ++topCount;
            }
            nearest = std::min(nearest, std::hypot(x - mouse.x(), y - mouse.y()));
        }
    const int above = mouse.y() - top;
    const double right = topCount ? topXSum / topCount - mouse.x() : 0;
    // A hand is thousands of pixels. The fingertip point is the top of the
    // finger's outline path: its outer half and soft shadow rise a little above.
    if (changed > 1000 && nearest <= 3 && above <= 8 && std::abs(right) <= 5) return {};
    return QString("%1 changed pixels, nearest %2 px from the mouse, highest %3 px above and "
                   "%4 px right of it")
        .arg(changed)
        .arg(nearest, 0, 'f', 1)
        .arg(above)
        .arg(right, 0, 'f', 1);
}

// Waits until the fingertip shows on `mouse`; `before` is its hand area
// taken while the hand was elsewhere. Empty once it does, else why not.
QString waitForHand(Handwick& h, const QImage& before, QPoint mouse, const QString& shotName) {
    const QRect area = handArea(mouse);
    QImage after;
    QString why;
    waitFor([&] {
        after = h.x.screenshot(area);
        return (why = whyNoFingertipOn(mouse - area.topLeft(), before, after)).isEmpty();
    });
    keep(after, shotName);
    return why;
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
        const QString why = waitForHand(h, before, mouse, "hand-on");
        QVERIFY2(why.isEmpty(), qPrintable(why));
    }

    // Another program's window, active, lies under the hand: clicks never
    // reach it, and Escape gives it the keyboard back.
    void theWindowUnderneathGetsNoClicksAndTheKeyboardBack() {
        TargetWindow target;
        QVERIFY(target.inFront());
        Handwick h;
        QVERIFY2(h.start(), qPrintable(h.why()));
        const QPoint inside = target.mapToGlobal(target.rect().center());
        QVERIFY(h.turnOn(inside));
        QTRY_VERIFY(!target.isActiveWindow());
        xdo("click --repeat 3 --delay 60 1 click 3 click 2 mousedown 1 mousemove " +
            at(inside + QPoint(30, 20)) + " mouseup 1");

        QVERIFY(h.pressFor("Escape", 0));
        QTRY_VERIFY(target.isActiveWindow());
        press("a");
        QTRY_VERIFY(target.keys.contains(Qt::Key_A));
        QVERIFY(!target.keys.contains(Qt::Key_Escape)); // that one was the overlay's
        // X delivers in order: once this click is in, any earlier one would be.
        xdo("click 1");
        QTRY_VERIFY(target.presses > 0);
        QCOMPARE(target.presses, 1);
    }

    // A first start greets with the welcome window, which takes the keyboard;
    // Return brings the hand up, and Escape gives the keyboard back to the
    // window that had it before the welcome window.
    void aFirstStartWelcomesAndReturnStartsThePointer() {
        TargetWindow target;
        QVERIFY(target.inFront());
        Handwick h({{"welcomed", false}});
        QVERIFY2(h.start(), qPrintable(h.why()));
        QVERIFY(waitFor([&] { return !h.x.popupsOf(h.app.pid()).isEmpty(); }));
        QTRY_VERIFY(!target.isActiveWindow());
        press("Return");
        QVERIFY(h.overlayHasKeyboard());
        QVERIFY(QSettings(h.app.settingsFile(), QSettings::IniFormat).value("welcomed").toBool());
        QVERIFY(h.pressFor("Escape", 0));
        QTRY_VERIFY(target.isActiveWindow());
    }

    // A window another program maps later (a notification) lands above the
    // overlay; the overlay goes back on top, and the hand shows over it.
    void aWindowMappedAboveTheOverlayIsCoveredAgain() {
        Handwick h;
        QVERIFY2(h.start(), qPrintable(h.why()));
        const QPoint mouse(400, 250);
        QVERIFY(h.turnOn(mouse));
        QWidget notice(nullptr, Qt::X11BypassWindowManagerHint | Qt::FramelessWindowHint);
        notice.setStyleSheet("background: #00ff00");
        notice.setGeometry(handArea(mouse));
        notice.show();
        QVERIFY(QTest::qWaitForWindowExposed(&notice));
        const uint32_t overlay = h.x.overlaysOf(h.app.pid()).value(0).id;
        QVERIFY(waitFor([&] { return h.x.isAbove(overlay, uint32_t(notice.winId())); }));
        const QPoint inHand = mouse + QPoint(0, 30) - handArea(mouse).topLeft();
        QImage shot;
        QVERIFY(waitFor([&] {
            shot = h.x.screenshot(handArea(mouse));
            return !near(shot.pixelColor(inHand), Qt::green, 40);
        }));
        keep(shot, "hand-over-notice");
    }

    // Another program holds the mouse (a drag, a menu): the overlay hears no
    // motion, yet the hand follows.
    void theHandFollowsWhileAnotherProgramHoldsTheMouse() {
        Handwick h;
        QVERIFY2(h.start(), qPrintable(h.why()));
        QVERIFY(h.turnOn(QPoint(300, 250)));
        QWidget holder(nullptr, Qt::X11BypassWindowManagerHint | Qt::FramelessWindowHint);
        holder.setGeometry(0, 0, 8, 8);
        holder.show();
        QVERIFY(QTest::qWaitForWindowExposed(&holder));
        holder.grabMouse();
        const auto release = qScopeGuard([&] { holder.releaseMouse(); });
        const QPoint there(700, 400);
        const QImage before = h.x.screenshot(handArea(there));
        // Relative, as a mouse moves: the server reports raw motion only for that.
        xdo("mousemove_relative 400 150");
        const QString why = waitForHand(h, before, there, "hand-while-held");
        QVERIFY2(why.isEmpty(), qPrintable(why));
    }

    void trayIconTogglesAndItsMenuTurnsOn() {
        Handwick h;
        QVERIFY2(h.start(), qPrintable(h.why()));
        const XProbe::Window icon = *h.x.trayIconOf(h.app.pid());
        const QImage offLook = h.x.screenshot(icon.rect);
        const QPoint away(400, 250);
        const QImage awayBefore = h.x.screenshot(handArea(away));

        moveMouse(icon.rect.center());
        xdo("click 1");
        QTRY_COMPARE(h.overlays(), 1);
        // Once the hand is off the icon, the icon shows its "on" look through
        // the clear overlay.
        moveMouse(away);
        QVERIFY(waitForHand(h, awayBefore, away, "tray-hand").isEmpty());
        QVERIFY(h.x.screenshot(icon.rect) != offLook);
        // The overlay covers the tray while on: turn off from the keyboard.
        QVERIFY(h.overlayHasKeyboard());
        QVERIFY(h.pressFor("Escape", 0));
        QVERIFY(waitFor([&] { return h.x.screenshot(icon.rect) == offLook; }));

        // A right click opens the menu; its first item turns the pointer on.
        moveMouse(icon.rect.center());
        xdo("click 3");
        QList<XProbe::Window> popups;
        QVERIFY(waitFor([&] { return !(popups = h.x.popupsOf(h.app.pid())).isEmpty(); }));
        xdo("mousemove " + at(popups.front().rect.topLeft() + QPoint(40, 12)) + " click 1");
        QTRY_COMPARE(h.overlays(), 1);
        QVERIFY(h.pressFor("ctrl+alt+h", 0));
    }

    void aScreenAddedWhileOnGetsItsOverlayAndTheHand() {
        Handwick h;
        QVERIFY2(h.start(), qPrintable(h.why()));
        QVERIFY(h.turnOn(QPoint(200, 250)));
        // Ink on the screen that stays as it is stays through the changes.
        xdo("mousemove 60 600 mousedown 1 mousemove 160 600 mousemove 260 600 mouseup 1 "
            "mousemove 200 250");
        const QColor coral = QColor::fromRgbF(1.0f, 0.33f, 0.36f);
        const auto inkShows = [&] {
            return near(h.x.screenshot().pixelColor(110, 600), coral, 12);
        };
        QVERIFY(waitFor(inkShows));

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
        const QString why = waitForHand(h, before, there, "hand-on-added-screen");
        QVERIFY2(why.isEmpty(), qPrintable(why));
        // Taken away again, its overlay goes and the other keeps the keyboard.
        QVERIFY(xrandr("--delmonitor extra"));
        QTRY_COMPARE(h.overlays(), 1);
        QVERIFY(h.overlayHasKeyboard());
        QVERIFY(inkShows());
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
        moveMouse(QPoint(720, 360)); // motion wakes it at once
        QTRY_VERIFY(!quietFor(100));
    }

    // Run only by the sessions without a tray host or without a compositor.
    // Ctrl+Alt+H held by another program is told at start, and taken once it
    // is free (here when the tray menu opens).
    void aHeldHotKeyIsToldAndTakenOnceFree() {
        auto other = std::make_unique<KeyHolder>('h');
        QVERIFY(other->holds());
        Handwick h;
        QVERIFY2(h.start(), qPrintable(h.why()));
        QVERIFY(waitFor([&] { return !h.x.popupsOf(h.app.pid()).isEmpty(); })); // the notice
        moveMouse(QPoint(400, 250));
        press("ctrl+alt+h");
        QTest::qWait(300);
        QCOMPARE(h.overlays(), 0);
        other.reset();
        moveMouse(h.x.trayIconOf(h.app.pid())->rect.center());
        xdo("click 3");
        QTest::qWait(300);
        press("Escape");
        moveMouse(QPoint(400, 250));
        QVERIFY(h.pressFor("ctrl+alt+h", 1));
    }

    // Without a compositor the overlay takes the shape of what it paints: the
    // window beneath still shows, and still gets no clicks.
    void withoutACompositorTheDesktopShowsAndClicksAreSwallowed() {
        if (!sessionWithout("compositor")) QSKIP("needs a session without a compositor");
        TargetWindow target;
        QVERIFY(target.inFront());
        const QPoint corner = target.mapToGlobal(QPoint(20, 20));
        const QColor before = XProbe().screenshot().pixelColor(corner);
        Handwick h;
        QVERIFY2(h.start(), qPrintable(h.why()));
        QVERIFY(h.turnOn(target.mapToGlobal(target.rect().center())));
        QTest::qWait(300);
        keep(h.x.screenshot(), "shaped-overlay");
        QVERIFY(near(h.x.screenshot().pixelColor(corner), before, 8)); // not black
        xdo("mousemove " + at(corner) + " click 1");
        QTest::qWait(300);
        QCOMPARE(target.presses, 0);

        // A compositor that starts makes the spotlight possible at once; when
        // it stops, the shapes come back and nothing turns black.
        QProcess compositor;
        compositor.start("picom", {"--backend", "xrender"});
        const QString xtool = qEnvironmentVariable("HANDWICK_E2E_TOOLS") + "/xtool";
        QVERIFY(waitFor([&] { return QProcess::execute(xtool, {"owner", "_NET_WM_CM_S0"}) == 0; }));
        moveMouse(target.mapToGlobal(target.rect().center())); // the corner out of the light
        QTest::qWait(300);
        press("s");
        QVERIFY(waitFor(
            [&] { return h.x.screenshot().pixelColor(corner).value() < before.value() / 2; }));
        compositor.terminate();
        compositor.waitForFinished(3000);
        moveMouse(target.mapToGlobal(target.rect().center()) + QPoint(5, 5)); // a frame to switch
        QVERIFY(waitFor([&] { return near(h.x.screenshot().pixelColor(corner), before, 8); }));
        QVERIFY(h.pressFor("Escape", 0));
        QTRY_VERIFY(target.isActiveWindow());
    }

    // The documentation's pictures: one line per step, every picture written,
    // and the program ends by itself.
    void snapshotWritesEveryPictureAndEnds() {
        Handwick h;
        QTemporaryDir out;
        QVERIFY(h.app.start({"--snapshot", out.path()}));
        QCOMPARE(h.app.waitForExit(30000), 0);
        const QStringList steps{"welcome",          "settings-general", "settings-hands",
                                "settings-drawing", "settings-about",   "pointer"};
        QStringList expected;
        for (const QString& step : steps)
            expected << "shot " + step;
        QCOMPARE(h.app.output().split('\n', Qt::SkipEmptyParts), expected << "EXIT 0");
        for (const QString& step : steps)
            QVERIFY2(!QImage(out.filePath(step + ".png")).isNull(), qPrintable(step));
    }

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
