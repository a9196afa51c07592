// The settings window of the real handwick program in a real X session (run
// through session.sh): opened from the tray menu with the pointer off, and a
// hand chosen in it is the hand of the next turn-on.
#include "Drive.h"
#include "SyntheticHandPhoto.h"

#include <QSettings>
#include <QTest>
#include <optional>

namespace {
// The settings window: the program's one window as wide as a settings tab.
std::optional<QRect> settingsOf(Handwick& h) {
    for (const XProbe::Window& w : h.x.popupsOf(h.app.pid()))
        if (w.rect.width() == 560 && w.rect.height() > 520) return w.rect;
    return std::nullopt;
}

// Pixels of the area that are clearly blue: the "cobalt" hand is, the classic one is not.
int bluePixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            count += c.blue() > c.red() + 80;
        }
    return count;
}

QRect handArea(QPoint mouse) {
    return {mouse - QPoint(60, 10), QSize(140, 160)};
}

// Turns the pointer on at `mouse`, pictures the hand there and turns it off.
bool pictureHand(Handwick& h, QPoint mouse, QImage& shot) {
    if (!h.turnOn(mouse)) return false;
    QTest::qWait(400);
    shot = h.x.screenshot(handArea(mouse));
    return h.pressFor("ctrl+alt+h", 0);
}
} // namespace

class E2eSettings : public QObject {
    Q_OBJECT

  private slots:
    void theTrayMenuOpensSettingsAndAChosenHandShowsNextTime() {
        Handwick h;
        QVERIFY2(h.start(), qPrintable(h.why()));
        const QPoint mouse(150, 300);
        QImage classic;
        QVERIFY(pictureHand(h, mouse, classic));
        const int classicBlue = bluePixels(classic);

        // Right click on the tray icon; the menu's third item is "Settings…".
        moveMouse(h.x.trayIconOf(h.app.pid())->rect.center());
        xdo("click 3");
        QVERIFY(waitFor([&] { return !h.x.popupsOf(h.app.pid()).isEmpty(); }));
        press("Down Down Down Return");
        std::optional<QRect> window;
        QVERIFY(waitFor([&] { return (window = settingsOf(h)).has_value(); }));
        QCOMPARE(h.overlays(), 0);

        // The Hands tab, then the third hand of the first row.
        xdo("mousemove " + at(window->topLeft() + QPoint(242, 32)) + " click 1");
        QTest::qWait(300);
        keep(h.x.screenshot(*window), "settings-hands");
        xdo("mousemove " + at(window->topLeft() + QPoint(245, 148)) + " click 1");
        const QString ini = h.app.home() + "/config/Handwick/Handwick.ini";
        QTRY_COMPARE(QSettings(ini, QSettings::IniFormat).value("handID").toString(),
                     QStringLiteral("cobalt"));

        QVERIFY(h.turnOn(mouse));
        QImage shot;
        QVERIFY(waitFor([&] {
            shot = h.x.screenshot(handArea(mouse));
            return bluePixels(shot) > classicBlue + 300;
        }));
        keep(shot, "settings-chosen-hand");
    }

    // A photo imported from the command line while Handwick runs is the hand
    // of the running one's next turn-on, without a restart.
    void anImportFromTheCommandLineReachesTheRunningHandwick() {
        Handwick h;
        QVERIFY2(h.start(), qPrintable(h.why()));
        const QPoint mouse(300, 300);
        QImage classic;
        QVERIFY(pictureHand(h, mouse, classic));

        const QString photo = h.app.home() + "/hand.png";
        QVERIFY(SyntheticHandPhoto::make({}).photo.save(photo));
        QProcess import;
        QProcessEnvironment env = h.app.environment();
        import.setProcessEnvironment(env);
        import.start(qEnvironmentVariable("HANDWICK_BIN"), {"--import-hand", photo});
        QVERIFY(import.waitForFinished(30000));
        QCOMPARE(import.exitCode(), 0);

        QVERIFY(h.turnOn(mouse));
        QImage shot;
        QVERIFY(waitFor([&] {
            shot = h.x.screenshot(handArea(mouse));
            int changed = 0;
            for (int y = 0; y < shot.height(); ++y)
                for (int x = 0; x < shot.width(); ++x)
                    changed += !near(shot.pixelColor(x, y), classic.pixelColor(x, y), 40);
            return changed > 2000;
        }));
        keep(shot, "imported-hand");
    }
};

QTEST_MAIN(E2eSettings)
#include "e2e_settings.moc"
