// The floating toolbar of the real handwick program in a real X session (run
// through session.sh): where it sits, what its clicks change, and that they
// never take the keyboard from the overlay.
#include "Drive.h"

#include <QProcess>
#include <QSettings>
#include <QTest>
#include <optional>

namespace {
// The toolbar panel: the one window of the program that is neither an overlay
// nor a menu, as wide as a toolbar.
std::optional<QRect> toolbarOf(Handwick& h) {
    for (const XProbe::Window& w : h.x.popupsOf(h.app.pid()))
        if (w.rect.width() > 600 && w.rect.height() < 100) return w.rect;
    return std::nullopt;
}

// Where a control of the row is, from the toolbar's layout: 14 points of room
// for the shadow, then the capsule with its 8-point margin.
QPoint control(const QRect& panel, int centreInCapsule) {
    return panel.topLeft() + QPoint(14 + centreInCapsule, 14 + 6 + 15);
}
enum Centre { laser = 62, highlighter = 149, sun = 335, spotlight = 491, sound = 605 };

QVariant stored(Handwick& h, const char* key) {
    return QSettings(h.app.settingsFile(), QSettings::IniFormat).value(key);
}
} // namespace

class E2eToolbar : public QObject {
    Q_OBJECT

  private slots:
    // Clicks on the toolbar change what is stored and seen; Escape still
    // turns off, and the window active before gets the keyboard back.
    void clicksChangeTheSettingsButNeverTheKeyboard() {
        TargetWindow target;
        QVERIFY(target.inFront());
        Handwick h;
        QVERIFY2(h.start(), qPrintable(h.why()));
        QVERIFY(h.turnOn(target.mapToGlobal(target.rect().center())));
        std::optional<QRect> panel;
        QVERIFY(waitFor([&] { return (panel = toolbarOf(h)).has_value(); }));
        const QSize screen = h.x.screenSize();
        QVERIFY(std::abs(panel->center().x() - screen.width() / 2) <= 1);
        QCOMPARE(panel->bottom() + 1, screen.height() - 18);
        const QColor plain = h.x.screenshot().pixelColor(100, 100);

        for (Centre c : {highlighter, sun, sound, laser, spotlight})
            xdo("mousemove " + at(control(*panel, c)) + " click 1");
        QTRY_COMPARE(stored(h, "spotlight").toString(), QStringLiteral("true"));
        QCOMPARE(stored(h, "tool").toString(), QStringLiteral("highlighter"));
        QCOMPARE(stored(h, "color").toString(), QStringLiteral("sun"));
        QCOMPARE(stored(h, "muted").toString(), QStringLiteral("true"));
        QCOMPARE(stored(h, "laser").toString(), QStringLiteral("true"));
        const QImage shot = h.x.screenshot();
        keep(shot, "toolbar-clicked");
        QVERIFY(shot.pixelColor(100, 100).value() < plain.value() / 2); // dimmed
        QVERIFY(near(shot.pixelColor(control(*panel, laser) + QPoint(11, 10)), Qt::red, 70));

        QVERIFY(h.overlayHasKeyboard());
        QVERIFY(h.pressFor("Escape", 0));
        QVERIFY(waitFor([&] { return !toolbarOf(h); }));
        QTRY_VERIFY(target.isActiveWindow());
    }

    // Over the toolbar the hand gives way; T hides it for good and shows it again.
    void theHandGivesWayAndTHidesIt() {
        Handwick h;
        QVERIFY2(h.start(), qPrintable(h.why()));
        const QSize screen = h.x.screenSize();
        // The strip under the toolbar, where the stick of a hand above would pass.
        const QRect below(screen.width() / 2 - 100, screen.height() - 17, 200, 16);
        moveMouse({50, 50});
        const QImage clear = h.x.screenshot(below);
        QVERIFY(h.turnOn({screen.width() / 2, screen.height() - 120}));
        QVERIFY(waitFor([&] { return h.x.screenshot(below) != clear; })); // the stick
        std::optional<QRect> panel;
        QVERIFY(waitFor([&] { return (panel = toolbarOf(h)).has_value(); }));
        moveMouse(panel->center());
        QVERIFY(waitFor([&] { return h.x.screenshot(below) == clear; }));

        press("t");
        QVERIFY(waitFor([&] { return !toolbarOf(h); }));
        QVERIFY(h.pressFor("Escape", 0));
        QVERIFY(h.turnOn({200, 200}));
        QTest::qWait(300);
        QVERIFY(!toolbarOf(h));
        press("t");
        QVERIFY(waitFor([&] { return toolbarOf(h).has_value(); }));
        QCOMPARE(stored(h, "showToolbar").toString(), QStringLiteral("true"));
    }

    // With two monitors side by side it comes up on the one holding the mouse.
    void itSitsOnTheScreenHoldingTheMouse() {
        const QSize screen = XProbe().screenSize();
        const int half = screen.width() / 2;
        const QString monitor = QString("--setmonitor %1 %2/170x%3/260+%4+0 %5");
        QVERIFY(xrandr(monitor.arg("left").arg(half).arg(screen.height()).arg(0).arg("screen")));
        QVERIFY(xrandr(monitor.arg("right").arg(half).arg(screen.height()).arg(half).arg("none")));
        const auto restore = qScopeGuard([] { xrandr("--delmonitor right --delmonitor left"); });
        Handwick h;
        QVERIFY2(h.start(), qPrintable(h.why()));
        moveMouse({half + half / 2, 200});
        QVERIFY(h.pressFor("ctrl+alt+h", 2));
        std::optional<QRect> panel;
        QVERIFY(waitFor([&] { return (panel = toolbarOf(h)).has_value(); }));
        QVERIFY(std::abs(panel->center().x() - (half + half / 2)) <= 1);
    }
};

QTEST_MAIN(E2eToolbar)
#include "e2e_toolbar.moc"
