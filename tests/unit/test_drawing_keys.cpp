// Keys on the overlay: the command each key means, the characters a key
// gives, and the commands' effect on the settings.
#include "DrawingFixture.h"
#include "overlay/KeyCommands.h"
#include "overlay/Pointer.h"
#include "platform/KeyCharacters.h"
#include "platform/x11/X11KeyCharacters.h"

#include <QKeyEvent>
#include <QTest>

using KeyCommands::Action;
using KeyCommands::Command;
Q_DECLARE_METATYPE(Command)

namespace {
constexpr auto none = Qt::NoModifier;
constexpr auto ctrl = Qt::ControlModifier;
constexpr auto shift = Qt::ShiftModifier;
} // namespace

class TestDrawingKeys : public QObject {
    Q_OBJECT

  private slots:
    void init() { DrawingFixture::resetPrefs(); }

    void eachKeyMeansItsCommandInOrder_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<QString>("characters");
        QTest::addColumn<Command>("command");
        const auto row = [](const char* name, int key, Qt::KeyboardModifiers m, const char* chars,
                            Command c) { QTest::newRow(name) << key << m << QString(chars) << c; };
        row("Escape", Qt::Key_Escape, none, "\x1b", {Action::turnOff});
        row("Ctrl+Alt+Escape", Qt::Key_Escape, ctrl | Qt::AltModifier, "", {Action::turnOff});
        row("Ctrl+Z", Qt::Key_Z, ctrl, "z", {Action::undo});
        row("Ctrl+Shift+Z", Qt::Key_Z, ctrl | shift, "Z", {});
        row("Ctrl+Alt+Z", Qt::Key_Z, ctrl | Qt::AltModifier, "z", {Action::undo});
        row("Z", Qt::Key_Z, none, "z", {});
        // Ctrl+Z where the layout puts another letter on that key: by character.
        row("Ctrl+Y on a German Z key", Qt::Key_Y, ctrl, "y", {});
        row("Backspace", Qt::Key_Backspace, none, "\b", {Action::clear});
        row("Ctrl+Backspace", Qt::Key_Backspace, ctrl, "", {Action::clear});
        row("Delete", Qt::Key_Delete, none, "", {Action::clear});
        row("Shift+Delete", Qt::Key_Delete, shift, "", {Action::clear});
        row("L", Qt::Key_L, none, "l", {Action::toggleLaser});
        row("Shift+L", Qt::Key_L, shift, "L", {Action::toggleLaser});
        row("Caps L", Qt::Key_L, none, "l", {Action::toggleLaser});
        row("Ctrl+L", Qt::Key_L, ctrl, "l", {});
        row("Alt+L", Qt::Key_L, Qt::AltModifier, "l", {});
        row("Super+L", Qt::Key_L, Qt::MetaModifier, "l", {});
        row("S", Qt::Key_S, none, "s", {Action::toggleSpotlight});
        row("T", Qt::Key_T, none, "t", {Action::toggleToolbar});
        row("1", Qt::Key_1, none, "1", {Action::chooseTool, Tool::pen});
        row("2", Qt::Key_2, none, "2", {Action::chooseTool, Tool::highlighter});
        row("3", Qt::Key_3, none, "3", {Action::chooseTool, Tool::arrow});
        row("4", Qt::Key_4, none, "4", {Action::chooseTool, Tool::box});
        row("5", Qt::Key_5, none, "5", {Action::chooseTool, Tool::steps});
        row("keypad 3", Qt::Key_3, Qt::KeypadModifier, "3", {Action::chooseTool, Tool::arrow});
        row("6", Qt::Key_6, none, "6", {});
        row("0", Qt::Key_0, none, "0", {});
        row("Alt+1", Qt::Key_1, Qt::AltModifier, "1", {});
        row("AltGr+1", Qt::Key_1, Qt::GroupSwitchModifier, "1", {});
        row("Shift+1", Qt::Key_Exclam, shift, "!", {});
        row("no characters", Qt::Key_F5, none, "", {});
        row("two characters", Qt::Key_unknown, none, "ls", {});
        row("a letter", Qt::Key_Q, none, "q", {});
    }
    void eachKeyMeansItsCommandInOrder() {
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(QString, characters);
        QFETCH(Command, command);
        const Command got = KeyCommands::commandFor(key, modifiers, characters);
        QCOMPARE(int(got.action), int(command.action));
        if (command.action == Action::chooseTool) QCOMPARE(got.tool, command.tool);
    }

    // Without X the characters come from Qt's key and text: Ctrl turns a
    // letter's text into a control character, which must not hide the letter.
    void theFallbackFindsTheCharacterBehindCtrl_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("characters");
        QTest::newRow("Ctrl+Z") << int(Qt::Key_Z) << Qt::KeyboardModifiers(ctrl) << "\x1a"
                                << "z";
        QTest::newRow("Ctrl+Shift+Z") << int(Qt::Key_Z) << (ctrl | shift) << "\x1a"
                                      << "Z";
        QTest::newRow("L") << int(Qt::Key_L) << Qt::KeyboardModifiers(none) << "l"
                           << "l";
        QTest::newRow("Shift+1") << int(Qt::Key_Exclam) << Qt::KeyboardModifiers(shift) << "!"
                                 << "!";
        QTest::newRow("umlaut") << int(Qt::Key_Adiaeresis) << Qt::KeyboardModifiers(none) << "ä"
                                << "ä";
        QTest::newRow("F5") << int(Qt::Key_F5) << Qt::KeyboardModifiers(none) << ""
                            << "";
        QTest::newRow("Return") << int(Qt::Key_Return) << Qt::KeyboardModifiers(none) << "\r"
                                << "";
    }
    void theFallbackFindsTheCharacterBehindCtrl() {
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(QString, text);
        QFETCH(QString, characters);
        QCOMPARE(KeyCharacters::fromQtKey(key, modifiers, text), characters);
    }

    void keysymsGiveTheirCharacters_data() {
        QTest::addColumn<uint>("keysym");
        QTest::addColumn<QString>("characters");
        QTest::newRow("z") << 0x7au << "z";
        QTest::newRow("Z") << 0x5au << "Z";
        QTest::newRow("5") << 0x35u << "5";
        QTest::newRow("eacute") << 0xe9u << "é";
        QTest::newRow("unicode euro") << 0x10020acu << "€";
        QTest::newRow("unicode beyond the BMP")
            << 0x101f600u << QString::fromUcs4(U"\U0001F600", 1);
        QTest::newRow("BackSpace") << 0xff08u << "";
        QTest::newRow("legacy Cyrillic") << 0x6c4u << "";
        QTest::newRow("out of Unicode") << 0x1200000u << "";
    }
    void keysymsGiveTheirCharacters() {
        QFETCH(uint, keysym);
        QFETCH(QString, characters);
        QCOMPARE(X11KeyCharacters::keysymText(keysym), characters);
    }

    void keysChangeTheSettingsAndPassOnWhatIsNotTheirs() {
        Pointer& pointer = Pointer::shared();
        Prefs& prefs = Prefs::shared();
        const auto press = [&pointer](int key, Qt::KeyboardModifiers m, const QString& text) {
            const QKeyEvent event(QEvent::KeyPress, key, m, text);
            return pointer.key(event);
        };
        prefs.setLaser(true);
        QVERIFY(press(Qt::Key_3, none, "3"));
        QCOMPARE(prefs.tool(), Tool::arrow);
        QVERIFY(!prefs.laser());
        QVERIFY(press(Qt::Key_L, shift, "L"));
        QVERIFY(prefs.laser());
        // T twice returns the toolbar setting to where it was.
        QVERIFY(press(Qt::Key_T, none, "t"));
        QVERIFY(!prefs.showToolbar());
        QVERIFY(press(Qt::Key_T, none, "t"));
        QVERIFY(prefs.showToolbar());
        QVERIFY(press(Qt::Key_S, none, "s"));
        QVERIFY(prefs.spotlight());
        QVERIFY(!press(Qt::Key_Q, none, "q"));
        QVERIFY(!press(Qt::Key_T, ctrl, "\x14"));
        QVERIFY(prefs.showToolbar());
    }
};

DRAWING_TEST_MAIN(TestDrawingKeys)
#include "test_drawing_keys.moc"
