// The X11 platform layer in a real X session (run through session.sh):
// global hot keys driven with xdotool, and what the desktop offers.
#include "Drive.h"
#include "platform/ActiveWindow.h"
#include "platform/DesktopChecks.h"
#include "platform/HotKeys.h"

#include <QGuiApplication>
#include <QRegularExpression>
#include <QTest>
#include <QWindow>
#include <memory>
#include <xcb/xcb.h>

namespace {
using Ids = QList<quint32>;

uint16_t modifierState() {
    auto* c = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    auto* reply = xcb_query_pointer_reply(c, xcb_query_pointer(c, root), nullptr);
    const uint16_t mask = reply ? reply->mask : 0;
    free(reply);
    return mask;
}

QString run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    p.waitForFinished();
    return QString::fromLatin1(p.readAllStandardOutput());
}

// The key code X has for a keysym name now, or -1.
int keycodeOf(const QString& keysym) {
    const QRegularExpression line(QString("^keycode\\s+(\\d+) = %1\\b").arg(keysym),
                                  QRegularExpression::MultilineOption);
    const auto match = line.match(run("xmodmap", {"-pke"}));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

quint64 activeWindowPerXdotool() {
    return run("xdotool", {"getactivewindow"}).trimmed().toULongLong();
}

// Registers H, X and S (ids 1, 2, 3) and records what fires.
struct ThreeKeys {
    HotKeys keys;
    Ids fired;
    ThreeKeys() {
        quint32 next = 1;
        for (char letter : {'H', 'X', 'S'})
            keys.registerKey(letter, [this, id = next++] { fired << id; });
    }
};
} // namespace

class E2ePlatform : public QObject {
    Q_OBJECT

  private slots:
    void onlyCtrlAltWithTheLetterFires() {
        ThreeKeys three;
        for (quint32 id : {1u, 2u, 3u})
            QVERIFY(three.keys.isActive(id));
        // X delivers in order: once the last key is in, the rest is.
        for (const char* keys : {"h", "ctrl+h", "alt+h", "ctrl+alt+shift+h", "ctrl+shift+x",
                                 "ctrl+alt+h", "ctrl+alt+x", "ctrl+alt+s"})
            press(keys);
        QTRY_COMPARE(three.fired, (Ids{1, 2, 3}));
    }

    void locksDoNotHideTheKeys() {
        ThreeKeys three;
        const int locks = XCB_MOD_MASK_2 | XCB_MOD_MASK_LOCK;
        press("Num_Lock Caps_Lock");
        const auto unlock = qScopeGuard([] { press("Num_Lock Caps_Lock"); });
        QTRY_COMPARE(modifierState() & locks, locks);
        press("ctrl+alt+h");
        press("ctrl+alt+s");
        QTRY_COMPARE(three.fired, (Ids{1, 3}));
    }

    void holdingAKeyFiresOnce() {
        ThreeKeys three;
        xdo("keydown ctrl+alt+h");
        QTest::qWait(900); // past the auto-repeat delay
        xdo("keyup ctrl+alt+h");
        press("ctrl+alt+s");
        QTRY_COMPARE(three.fired, (Ids{1, 3}));
    }

    void aKeyHeldByAnotherProgramIsTakenOnceFree() {
        auto other = std::make_unique<OtherClient>();
        QVERIFY(other->holdKey('x'));
        ThreeKeys three;
        QVERIFY(three.keys.isActive(1));
        QVERIFY(!three.keys.isActive(2));
        QVERIFY(three.keys.isActive(3));

        // Once it is free, the next keyboard change lets us take it.
        other.reset();
        const int spare = keycodeOf("F12");
        QVERIFY(spare > 0);
        run("xmodmap", {"-e", QString("keycode %1 = F12").arg(spare)});
        QTRY_VERIFY(three.keys.isActive(2));
        press("ctrl+alt+x");
        QTRY_COMPARE(three.fired, (Ids{2}));
    }

    void aNewLayoutMovesTheKeys() {
        const int h = keycodeOf("h");
        const int j = keycodeOf("j");
        QVERIFY(h > 0 && j > 0);
        ThreeKeys three;
        const auto layout = [&](int codeOfH, int codeOfJ) {
            run("xmodmap", {"-e", QString("keycode %1 = h H").arg(codeOfH), "-e",
                            QString("keycode %1 = j J").arg(codeOfJ)});
        };
        layout(j, h);
        const auto restore = qScopeGuard([&] { layout(h, j); });
        QTRY_COMPARE(keycodeOf("h"), j);
        QTest::qWait(300); // the re-grab follows the change shortly
        press("ctrl+alt+h");
        QTRY_COMPARE(three.fired, (Ids{1}));
    }

    // Giving the keyboard back to it is seen with the real program.
    void anotherProgramsWindowIsRememberedButNotActivatedOnceClosed() {
        auto editor = std::make_unique<OtherClient>();
        const quint64 editorId = editor->showWindow();
        QTRY_COMPARE(activeWindowPerXdotool(), editorId);
        ActiveWindow active;
        active.remember();
        QCOMPARE(active.remembered(), editorId);

        QWindow ours;
        ours.resize(200, 200);
        ours.show();
        ours.requestActivate();
        QTRY_VERIFY(ours.isActive());
        active.remember(); // our own window in front: the editor stays remembered
        QCOMPARE(active.remembered(), editorId);
        editor.reset();
        active.reactivate();
        QTest::qWait(200);
        QVERIFY(ours.isActive());
        QCOMPARE(active.remembered(), 0u);
    }

    void desktopChecksSeeTheSession() {
        QVERIFY(DesktopChecks::hasDisplay());
        QCOMPARE(DesktopChecks::hasCompositor(), !sessionWithout("compositor"));
    }
};

QTEST_MAIN(E2ePlatform)
#include "e2e_platform.moc"
