#include "platform/ActiveWindow.h"
#include "platform/DesktopChecks.h"
#include "platform/LoginItem.h"
#include "platform/x11/GrabModifiers.h"

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using Masks = std::vector<uint16_t>;

namespace {
constexpr uint16_t lock = 2, control = 4, mod1 = 8, mod2 = 16, mod3 = 32;

// A window manager in memory: which window is active, which exist, and what
// was asked of it.
class FakeDesktop final : public WindowActivation {
  public:
    WindowId active = 0;
    std::vector<WindowId> existing;
    std::vector<WindowId> activated;

    WindowId activeWindow() override { return active; }
    bool exists(WindowId window) override {
        return std::find(existing.begin(), existing.end(), window) != existing.end();
    }
    void activate(WindowId window) override { activated.push_back(window); }
};
} // namespace

class TestPlatform : public QObject {
    Q_OBJECT

  private slots:
    void everyLockCombinationIsGrabbed() {
        const uint16_t base = control | mod1;
        const auto with = [](const Masks& locks) {
            return GrabModifiers::withLocks(control | mod1, locks);
        };
        QCOMPARE(with({}), Masks{base});
        QCOMPARE(with({lock, mod2}), (Masks{base, base | lock, base | mod2, base | lock | mod2}));
        QCOMPARE(with({lock, mod2, mod3}).size(), 8u);            // scroll lock as well
        QCOMPARE(with({lock, 0}), (Masks{base, base | lock}));    // num lock not a modifier
        QCOMPARE(with({mod1, lock}), (Masks{base, base | lock})); // a lock on Alt itself
        QCOMPARE(with({mod2, mod2}), (Masks{base, base | mod2}));
    }

    void modifierHoldingAKey() {
        using Codes = std::vector<uint8_t>;
        // Two key codes per modifier: shift, lock, control, mod1 … mod5.
        const Codes usual{50, 62, 66, 0, 37, 105, 64, 108, 77, 0, 0, 0, 133, 134, 92, 0};
        const auto mask = [](const Codes& map, int perModifier, const Codes& keys) {
            return int(GrabModifiers::maskHolding(map, perModifier, keys));
        };
        QCOMPARE(mask(usual, 2, {77}), int(mod2));       // Num Lock
        QCOMPARE(mask(usual, 2, {200, 108}), int(mod1)); // either Alt key
        QCOMPARE(mask(usual, 2, {78}), 0);
        QCOMPARE(mask(usual, 2, {0}), 0);     // empty slots never match
        QCOMPARE(mask({50, 62}, 2, {77}), 0); // a short map
    }

    // A closed window only shows here, since a window manager ignores a dead
    // window id; the real hand-back is seen with the program (e2e_overlay).
    void activeWindowGivesTheKeyboardBackOnce() {
        auto owned = std::make_unique<FakeDesktop>();
        FakeDesktop& desktop = *owned;
        ActiveWindow active(std::move(owned));
        active.remember(); // nothing active: nothing to give back
        active.reactivate();
        QVERIFY(desktop.activated.empty());
        desktop.active = 7;
        desktop.existing = {7};
        active.remember();
        active.reactivate();
        active.reactivate();
        QCOMPARE(desktop.activated, std::vector<ActiveWindow::WindowId>{7});
        desktop.active = 9; // closed before the pointer goes off
        active.remember();
        active.reactivate();
        QCOMPARE(desktop.activated, std::vector<ActiveWindow::WindowId>{7});
    }

    // No DISPLAY and a DISPLAY with no server are run for real by no_display.sh.
    void displayCheck() {
        const auto has = [](const char* platform, const char* display, const char* wayland) {
            for (const auto& [name, value] : {std::pair{"QT_QPA_PLATFORM", platform},
                                              {"DISPLAY", display},
                                              {"WAYLAND_DISPLAY", wayland}})
                *value ? qputenv(name, value) : qunsetenv(name);
            return DesktopChecks::hasDisplay();
        };
        QVERIFY(has("offscreen", "", ""));
        QVERIFY(!has("xcb:foo=1", ":987", ""));
        QVERIFY(!has("", "no-such-host:", ""));
        QVERIFY(has("", "", "wayland-0"));
        QVERIFY(!has("xcb", "", "wayland-0")); // xcb forced in a Wayland session
    }

    // Written, read back from the file, removed; hidden by the desktop's own
    // tools; a folder that cannot be written leaves it off, and says so by
    // reading off.
    void openAtLoginIsAnAutostartEntry() {
        QTemporaryDir home;
        const QString file = home.filePath("autostart/handwick.desktop");
        const QString program = R"(/my "apps"/$HOME/100%\handwick)";
        LoginItem item(file, program);
        QVERIFY(!item.isEnabled());
        item.setEnabled(true);
        QVERIFY(item.isEnabled());
        QSettings entry(file, QSettings::IniFormat);
        QCOMPARE(entry.value("Desktop Entry/Type").toString(), QStringLiteral("Application"));
        QVERIFY(LoginItem::entryText(program).contains(
            R"(Exec="/my \\"apps\\"/\\$HOME/100%%\\\\handwick")"));

        QFile edited(file);
        QVERIFY(edited.open(QIODevice::Append));
        edited.write("Hidden=true\n");
        edited.close();
        QVERIFY(!item.isEnabled());
        item.setEnabled(false);
        QVERIFY(!QFile::exists(file) && !item.isEnabled());

        // Where the folder should be, a file: nothing can be written there.
        QVERIFY(QDir().mkpath(home.filePath("blocked")));
        QFile(home.filePath("blocked/autostart")).open(QIODevice::WriteOnly);
        LoginItem locked(home.filePath("blocked/autostart/handwick.desktop"), program);
        locked.setEnabled(true);
        QVERIFY(!locked.isEnabled());
    }
};

QTEST_MAIN(TestPlatform)
#include "test_platform.moc"
