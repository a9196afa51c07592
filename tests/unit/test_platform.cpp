#include "platform/ActiveWindow.h"
#include "platform/DesktopChecks.h"
#include "platform/HotKeys.h"
#include "platform/x11/GrabModifiers.h"

#include <QTest>
#include <QWindow>

using Masks = std::vector<uint16_t>;
Q_DECLARE_METATYPE(Masks)

namespace {
constexpr uint16_t shift = 1, lock = 2, control = 4, mod1 = 8, mod2 = 16, mod3 = 32;

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

// Sets an environment variable for one scope; unsets it for an empty value.
class EnvOverride {
  public:
    EnvOverride(const char* name, const QByteArray& value)
        : m_name(name), m_had(qEnvironmentVariableIsSet(name)), m_old(qgetenv(name)) {
        value.isEmpty() ? qunsetenv(name) : qputenv(name, value);
    }
    ~EnvOverride() { m_had ? qputenv(m_name, m_old) : qunsetenv(m_name); }

  private:
    const char* m_name;
    bool m_had;
    QByteArray m_old;
};
} // namespace

class TestPlatform : public QObject {
    Q_OBJECT

  private slots:
    void headlessHotKeysNumberKeysButHoldNone() {
        HotKeys keys;
        int fired = 0;
        QCOMPARE(keys.registerKey('H', [&] { ++fired; }), 1u);
        QCOMPARE(keys.registerKey('x', [&] { ++fired; }), 2u);
        QCOMPARE(keys.registerKey('?', [&] { ++fired; }), 3u);
        for (quint32 id : {0u, 1u, 2u, 3u, 4u})
            QVERIFY(!keys.isActive(id));
        QCOMPARE(fired, 0);
    }

    void lockCombinations_data() {
        QTest::addColumn<Masks>("locks");
        QTest::addColumn<Masks>("expected");
        const uint16_t base = control | mod1;
        QTest::newRow("no locks") << Masks{} << Masks{base};
        QTest::newRow("caps and num lock")
            << Masks{lock, mod2} << Masks{base, base | lock, base | mod2, base | lock | mod2};
        QTest::newRow("num lock not a modifier") << Masks{lock, 0} << Masks{base, base | lock};
        QTest::newRow("scroll lock as well")
            << Masks{lock, mod2, mod3}
            << Masks{
                   base,        base | lock,        base | mod2,        base | lock | mod2,
                   base | mod3, base | lock | mod3, base | mod2 | mod3, base | lock | mod2 | mod3};
        QTest::newRow("lock on a modifier of the combination")
            << Masks{mod1, lock} << Masks{base, base | lock};
        QTest::newRow("two locks on one modifier") << Masks{mod2, mod2} << Masks{base, base | mod2};
    }

    void lockCombinations() {
        QFETCH(Masks, locks);
        QFETCH(Masks, expected);
        QCOMPARE(GrabModifiers::withLocks(control | mod1, locks), expected);
    }

    void modifierHoldingAKey_data() {
        using Codes = std::vector<uint8_t>;
        QTest::addColumn<Codes>("map");
        QTest::addColumn<int>("perModifier");
        QTest::addColumn<Codes>("keys");
        QTest::addColumn<int>("mask");
        // Two key codes per modifier: shift, lock, control, mod1 … mod5.
        const Codes usual{50, 62, 66, 0, 37, 105, 64, 108, 77, 0, 0, 0, 133, 134, 92, 0};
        QTest::newRow("num lock on mod2") << usual << 2 << Codes{77} << int(mod2);
        QTest::newRow("either alt key") << usual << 2 << Codes{200, 108} << int(mod1);
        QTest::newRow("not a modifier") << usual << 2 << Codes{78} << 0;
        QTest::newRow("empty slots never match") << usual << 2 << Codes{0} << 0;
        QTest::newRow("no keys") << usual << 2 << Codes{} << 0;
        QTest::newRow("short map") << Codes{50, 62} << 2 << Codes{77} << 0;
        QTest::newRow("no map") << Codes{} << 0 << Codes{77} << 0;
    }

    void modifierHoldingAKey() {
        using Codes = std::vector<uint8_t>;
        QFETCH(Codes, map);
        QFETCH(int, perModifier);
        QFETCH(Codes, keys);
        QFETCH(int, mask);
        QCOMPARE(int(GrabModifiers::maskHolding(map, perModifier, keys)), mask);
    }

    void activeWindowGivesTheKeyboardBack() {
        auto owned = std::make_unique<FakeDesktop>();
        FakeDesktop& desktop = *owned;
        ActiveWindow active(std::move(owned));

        // Nothing active: nothing to remember, nothing to activate.
        active.remember();
        active.reactivate();
        QVERIFY(desktop.activated.empty());

        desktop.active = 7;
        desktop.existing = {7};
        active.remember();
        QCOMPARE(active.remembered(), 7u);

        // One of our own windows in front: the earlier one is kept.
        QWindow own;
        own.create();
        desktop.active = own.winId();
        active.remember();
        QCOMPARE(active.remembered(), 7u);

        active.reactivate();
        QCOMPARE(desktop.activated, std::vector<ActiveWindow::WindowId>{7});
        QCOMPARE(active.remembered(), 0u);
        active.reactivate();
        QCOMPARE(desktop.activated.size(), std::size_t(1));
    }

    void activeWindowLeavesAClosedWindowAlone() {
        auto owned = std::make_unique<FakeDesktop>();
        FakeDesktop& desktop = *owned;
        ActiveWindow active(std::move(owned));
        desktop.active = 9;
        active.remember();
        active.reactivate(); // 9 was closed meanwhile
        QVERIFY(desktop.activated.empty());
        QCOMPARE(active.remembered(), 0u);
    }

    void headlessDesktopHasNoActiveWindow() {
        ActiveWindow active;
        active.remember();
        active.reactivate();
        QCOMPARE(active.remembered(), 0u);
        QVERIFY(DesktopChecks::hasCompositor());
    }

    void displayCheck_data() {
        QTest::addColumn<QByteArray>("platform");
        QTest::addColumn<QByteArray>("display");
        QTest::addColumn<QByteArray>("wayland");
        QTest::addColumn<bool>("expected");
        QTest::newRow("offscreen needs none")
            << QByteArray("offscreen") << QByteArray() << QByteArray() << true;
        QTest::newRow("nothing at all") << QByteArray() << QByteArray() << QByteArray() << false;
        QTest::newRow("X display that does not exist")
            << QByteArray() << QByteArray(":987") << QByteArray() << false;
        QTest::newRow("xcb asked for, with options")
            << QByteArray("xcb:foo=1") << QByteArray(":987") << QByteArray() << false;
        QTest::newRow("malformed DISPLAY")
            << QByteArray() << QByteArray("no-such-host:") << QByteArray() << false;
        QTest::newRow("Wayland session")
            << QByteArray() << QByteArray() << QByteArray("wayland-0") << true;
        QTest::newRow("xcb forced in a Wayland session")
            << QByteArray("xcb") << QByteArray() << QByteArray("wayland-0") << false;
    }

    void displayCheck() {
        QFETCH(QByteArray, platform);
        QFETCH(QByteArray, display);
        QFETCH(QByteArray, wayland);
        QFETCH(bool, expected);
        EnvOverride p("QT_QPA_PLATFORM", platform), d("DISPLAY", display),
            w("WAYLAND_DISPLAY", wayland);
        QCOMPARE(DesktopChecks::hasDisplay(), expected);
    }
};

QTEST_MAIN(TestPlatform)
#include "test_platform.moc"
