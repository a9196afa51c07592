// Global hot keys of the X11 platform layer in a real X session (run through
// session.sh), driven with xdotool and xmodmap.
#include "Drive.h"
#include "platform/HotKeys.h"

#include <QRegularExpression>
#include <QTest>
#include <memory>

namespace {
using Ids = QList<quint32>;

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
    // With Num Lock and Caps Lock on, Ctrl+Alt and the letter still fire, and
    // only they: once per press, however long the key is held.
    void locksLeaveOnlyCtrlAltAndTheLetterFiringOncePerPress() {
        ThreeKeys three;
        press("Num_Lock Caps_Lock");
        const auto unlock = qScopeGuard([] { press("Num_Lock Caps_Lock"); });
        const QRegularExpression bothOn("Caps Lock:\\s+on.*Num Lock:\\s+on");
        QTRY_VERIFY(bothOn.match(run("xset", {"q"})).hasMatch());
        for (const char* keys : {"h", "ctrl+h", "alt+h", "ctrl+alt+shift+h", "ctrl+shift+x"})
            press(keys);
        xdo("keydown ctrl+alt+h sleep 0.9 keyup ctrl+alt+h"); // past the auto-repeat delay
        // X delivers in order: once the last key is in, the rest is.
        press("ctrl+alt+s");
        QTRY_COMPARE(three.fired, (Ids{1, 3}));
    }

    // A new layout moves the keys, and a key another program held is taken
    // at that keyboard change once it is free.
    void aKeyRemapMovesTheKeysAndTakesAFreedOne() {
        const int h = keycodeOf("h"), j = keycodeOf("j");
        QVERIFY(h > 0 && j > 0);
        auto other = std::make_unique<KeyHolder>('x');
        QVERIFY(other->holds());
        ThreeKeys three;
        QVERIFY(three.keys.isActive(1) && !three.keys.isActive(2) && three.keys.isActive(3));
        other.reset();

        const auto layout = [&](int codeOfH, int codeOfJ) {
            run("xmodmap", {"-e", QString("keycode %1 = h H").arg(codeOfH), "-e",
                            QString("keycode %1 = j J").arg(codeOfJ)});
        };
        layout(j, h);
        const auto restore = qScopeGuard([&] { layout(h, j); });
        QTRY_COMPARE(keycodeOf("h"), j);
        QTRY_VERIFY(three.keys.isActive(2)); // the re-grab follows the change shortly
        press("ctrl+alt+h");
        press("ctrl+alt+x");
        QTRY_COMPARE(three.fired, (Ids{1, 2}));
    }
};

QTEST_MAIN(E2ePlatform)
#include "e2e_platform.moc"
