// The X11 platform layer in a real X session (run through session.sh):
// global hot keys driven with xdotool, handing the keyboard back to another
// program's window, and the desktop checks.
#include "platform/ActiveWindow.h"
#include "platform/DesktopChecks.h"
#include "platform/HotKeys.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <QWindow>
#include <memory>
#include <xcb/xcb.h>

namespace {
using Ids = QList<quint32>;

void xdotool(const QStringList& args) {
    QProcess::execute(QStringLiteral("xdotool"), args);
}
void press(const QString& keys) {
    xdotool({QStringLiteral("key"), keys});
}

quint64 activeWindowPerXdotool() {
    QProcess p;
    p.start(QStringLiteral("xdotool"), {QStringLiteral("getactivewindow")});
    p.waitForFinished();
    return p.readAllStandardOutput().trimmed().toULongLong();
}

uint16_t modifierState() {
    auto* c = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    auto* reply = xcb_query_pointer_reply(c, xcb_query_pointer(c, root), nullptr);
    const uint16_t mask = reply ? reply->mask : 0;
    free(reply);
    return mask;
}

// The key code X has for a keysym name now (from `xmodmap -pke`), or -1.
int keycodeOf(const QString& keysym) {
    QProcess p;
    p.start(QStringLiteral("xmodmap"), {QStringLiteral("-pke")});
    p.waitForFinished();
    const QRegularExpression line(QStringLiteral("^keycode\\s+(\\d+) = %1\\b").arg(keysym),
                                  QRegularExpression::MultilineOption);
    const auto match = line.match(QString::fromLatin1(p.readAllStandardOutput()));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

void xmodmap(const QStringList& expressions) {
    QStringList args;
    for (const QString& e : expressions)
        args << QStringLiteral("-e") << e;
    QProcess::execute(QStringLiteral("xmodmap"), args);
}

// An xtool child (another X client); ends when its standard input closes.
class OtherClient {
  public:
    OtherClient(const QString& command, const QString& argument) {
        m_process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/xtool"),
                        {command, argument});
        m_process.waitForReadyRead(5000);
        m_firstLine = m_process.readLine().trimmed();
    }
    ~OtherClient() { end(); }
    void end() {
        m_process.closeWriteChannel();
        if (!m_process.waitForFinished(2000)) m_process.kill();
        m_process.waitForFinished();
    }
    QByteArray firstLine() const { return m_firstLine; }

  private:
    QProcess m_process;
    QByteArray m_firstLine;
};

class KeyRecordingWindow : public QWindow {
  public:
    QList<int> keys;

  protected:
    void keyPressEvent(QKeyEvent* event) override { keys << event->key(); }
};

// Registers H, X and S (ids 1, 2, 3) and records what fires.
struct ThreeKeys {
    HotKeys keys;
    Ids fired;
    ThreeKeys() {
        for (char letter : {'H', 'X', 'S'}) {
            const quint32 id = keys.registerKey(letter, [this, letter] {
                fired << (letter == 'H' ? 1 : letter == 'X' ? 2 : 3);
            });
            Q_UNUSED(id);
        }
    }
};
} // namespace

class E2ePlatform : public QObject {
    Q_OBJECT

  private slots:
    void hotKeysFireFromAnywhere() {
        ThreeKeys three;
        for (quint32 id : {1u, 2u, 3u})
            QVERIFY(three.keys.isActive(id));
        press(QStringLiteral("ctrl+alt+h"));
        press(QStringLiteral("ctrl+alt+x"));
        press(QStringLiteral("ctrl+alt+s"));
        QTRY_COMPARE(three.fired, (Ids{1, 2, 3}));
    }

    void onlyTheExactCombinationFires() {
        ThreeKeys three;
        for (const char* keys : {"h", "ctrl+h", "alt+h", "ctrl+alt+shift+h", "ctrl+shift+x"})
            press(QString::fromLatin1(keys));
        press(QStringLiteral("ctrl+alt+s")); // X delivers in order: once S is in, the rest is
        QTRY_COMPARE(three.fired, (Ids{3}));
    }

    void locksDoNotHideTheKeys_data() {
        QTest::addColumn<QString>("lockKey");
        QTest::addColumn<int>("lockMask");
        QTest::newRow("Num Lock") << QStringLiteral("Num_Lock") << int(XCB_MOD_MASK_2);
        QTest::newRow("Caps Lock") << QStringLiteral("Caps_Lock") << int(XCB_MOD_MASK_LOCK);
        QTest::newRow("both") << QStringLiteral("Num_Lock Caps_Lock")
                              << int(XCB_MOD_MASK_2 | XCB_MOD_MASK_LOCK);
    }

    void locksDoNotHideTheKeys() {
        QFETCH(QString, lockKey);
        QFETCH(int, lockMask);
        ThreeKeys three;
        const QStringList toggle = QStringList{QStringLiteral("key")} + lockKey.split(' ');
        xdotool(toggle);
        QTRY_COMPARE(modifierState() & lockMask, lockMask);
        press(QStringLiteral("ctrl+alt+h"));
        press(QStringLiteral("ctrl+alt+s"));
        QTRY_COMPARE(three.fired, (Ids{1, 3}));
        xdotool(toggle);
        QTRY_COMPARE(modifierState() & lockMask, 0);
    }

    void holdingAKeyFiresOnce() {
        ThreeKeys three;
        xdotool({QStringLiteral("keydown"), QStringLiteral("ctrl+alt+h")});
        QTest::qWait(900); // past the auto-repeat delay
        xdotool({QStringLiteral("keyup"), QStringLiteral("ctrl+alt+h")});
        press(QStringLiteral("ctrl+alt+s"));
        QTRY_COMPARE(three.fired, (Ids{1, 3}));
    }

    void hotKeysWinOverOurOwnFocusedWindow() {
        ThreeKeys three;
        KeyRecordingWindow window;
        window.resize(300, 200);
        window.show();
        window.requestActivate();
        QTRY_VERIFY(window.isActive());
        press(QStringLiteral("ctrl+alt+h"));
        QTRY_COMPARE(three.fired, (Ids{1}));
        press(QStringLiteral("a"));
        QTRY_VERIFY(window.keys.contains(Qt::Key_A)); // the window did have the keyboard
        QVERIFY(!window.keys.contains(Qt::Key_H));
    }

    void keyHeldByAnotherProgramStaysInactive() {
        auto other = std::make_unique<OtherClient>(QStringLiteral("grab"), QStringLiteral("x"));
        QCOMPARE(other->firstLine(), QByteArray("grabbed"));
        ThreeKeys three;
        QVERIFY(three.keys.isActive(1));
        QVERIFY(!three.keys.isActive(2));
        QVERIFY(three.keys.isActive(3));
        press(QStringLiteral("ctrl+alt+x"));
        press(QStringLiteral("ctrl+alt+h"));
        press(QStringLiteral("ctrl+alt+s"));
        QTRY_COMPARE(three.fired, (Ids{1, 3}));

        // Once it is free, the next keyboard change lets us take it.
        other.reset();
        const int spare = keycodeOf(QStringLiteral("F12"));
        QVERIFY(spare > 0);
        xmodmap({QStringLiteral("keycode %1 = F12").arg(spare)});
        QTRY_VERIFY(three.keys.isActive(2));
        press(QStringLiteral("ctrl+alt+x"));
        QTRY_COMPARE(three.fired, (Ids{1, 3, 2}));
    }

    void aNewLayoutMovesTheKeys() {
        const int h = keycodeOf(QStringLiteral("h"));
        const int j = keycodeOf(QStringLiteral("j"));
        QVERIFY(h > 0 && j > 0);
        ThreeKeys three;
        const auto layout = [&](int codeOfH, int codeOfJ) {
            xmodmap({QStringLiteral("keycode %1 = h H").arg(codeOfH),
                     QStringLiteral("keycode %1 = j J").arg(codeOfJ)});
        };
        layout(j, h);
        const auto restore = qScopeGuard([&] { layout(h, j); });
        QTRY_COMPARE(keycodeOf(QStringLiteral("h")), j);
        QTest::qWait(300); // the re-grab follows the change shortly
        press(QStringLiteral("ctrl+alt+h"));
        QTRY_COMPARE(three.fired, (Ids{1}));
    }

    void keyboardGoesBackToTheWindowThatHadIt() {
        OtherClient editor(QStringLiteral("window"), QStringLiteral("editor"));
        const quint64 editorId = editor.firstLine().toULongLong();
        QVERIFY(editorId != 0);
        QTRY_COMPARE(activeWindowPerXdotool(), editorId);

        ActiveWindow active;
        active.remember();
        QCOMPARE(active.remembered(), editorId);

        QWindow overlay;
        overlay.resize(200, 200);
        overlay.show();
        overlay.requestActivate();
        QTRY_VERIFY(overlay.isActive());
        active.remember(); // our own window in front: the editor stays remembered
        QCOMPARE(active.remembered(), editorId);

        active.reactivate();
        QTRY_COMPARE(activeWindowPerXdotool(), editorId);
        QCOMPARE(active.remembered(), 0u);
    }

    void aClosedWindowIsNotActivated() {
        auto editor = std::make_unique<OtherClient>(QStringLiteral("window"),
                                                    QStringLiteral("closing editor"));
        const quint64 editorId = editor->firstLine().toULongLong();
        QTRY_COMPARE(activeWindowPerXdotool(), editorId);
        ActiveWindow active;
        active.remember();
        QCOMPARE(active.remembered(), editorId);

        QWindow ours;
        ours.resize(200, 200);
        ours.show();
        ours.requestActivate();
        QTRY_VERIFY(ours.isActive());
        editor.reset();
        active.reactivate();
        QTest::qWait(200);
        QVERIFY(ours.isActive());
        QCOMPARE(active.remembered(), 0u);
    }

    void desktopChecksSeeTheSession() {
        QVERIFY(DesktopChecks::hasDisplay());
        const bool expected = qgetenv("HANDWICK_E2E_COMPOSITOR") != "0";
        QCOMPARE(DesktopChecks::hasCompositor(), expected);
    }
};

QTEST_MAIN(E2ePlatform)
#include "e2e_platform.moc"
