// The pointer's lifecycle, one frame's placement on each screen's view, and
// the keys pressed on the overlay.
#include "OverlayTestKit.h"
#include "handart/CustomHand.h"
#include "handart/HandSprites.h"
#include "layers/MediaClock.h"
#include "overlay/FramePlacement.h"
#include "overlay/KeyCommands.h"
#include "overlay/OverlayView.h"
#include "overlay/OverlayWindow.h"
#include "overlay/Pointer.h"
#include "overlay/Toolbar.h"
#include "platform/ActiveWindow.h"
#include "platform/DesktopWatch.h"
#include "platform/KeyCharacters.h"
#include "platform/x11/X11KeyCharacters.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using Action = KeyCommands::Action;

struct FakeToolbar : Toolbar {
    QRect shownAt; // empty while hidden
    int shows = 0;
    void showOn(QScreen* screen) override {
        shownAt = screen->geometry();
        ++shows;
    }
    void hide() override { shownAt = {}; }
    QRect frame() const override { return shownAt; }
};
// A desktop whose mouse moves when the test says so.
struct FakeDesktop : DesktopWatch {
    bool watching = false;
    void start() override { watching = true; }
    void stop() override { watching = false; }
};
Q_DECLARE_METATYPE(KeyCommands::Command)

class TestPointer : public QObject {
    Q_OBJECT
    std::unique_ptr<PrivatePrefs> settings;
    std::unique_ptr<CustomHand> customHand;
    std::unique_ptr<HandSprites> sprites;
    std::unique_ptr<ActiveWindow> activeWindow;
    std::unique_ptr<InkBoard> board;
    std::unique_ptr<Pointer> pointer;
    TapRecorder recorder;

    Prefs& prefs() { return settings->prefs; }
    OverlayView& mainView() { return pointer->windows().front()->view(); }
    void tapBadge() {
        prefs().setTool(Tool::steps);
        pointer->pressed({50, 50}, Qt::LeftButton, mainView());
        pointer->released(Qt::LeftButton, mainView());
    }
    bool press(int key, Qt::KeyboardModifiers modifiers, const QString& text) {
        return pointer->keyPressed(QKeyEvent(QEvent::KeyPress, key, modifiers, text));
    }

  private slots:
    void init() {
        settings = std::make_unique<PrivatePrefs>();
        recorder.taps.clear();
        customHand = std::make_unique<CustomHand>(settings->dir.filePath("hand.png"));
        sprites = std::make_unique<HandSprites>(*customHand);
        activeWindow = std::make_unique<ActiveWindow>();
        board = std::make_unique<InkBoard>(prefs(), recorder.player());
        pointer = std::make_unique<Pointer>(prefs(), *board, *sprites, *activeWindow);
    }
    void cleanup() { pointer.reset(); }

    void turningOnAndOffIsAnnouncedOnceAndLeavesNoInk() {
        QSignalSpy changes(pointer.get(), &Pointer::isOnChanged);
        pointer->turnOn();
        pointer->turnOn();
        QVERIFY(pointer->clock().isValid());
        tapBadge();
        tapBadge();
        QCOMPARE(board->stepNumber(), 3);
        pointer->turnOff();
        pointer->turnOff();
        QCOMPARE(changes.count(), 2);
        QCOMPARE(changes.at(0).at(0).toBool(), true);
        QCOMPARE(changes.at(1).at(0).toBool(), false);
        QVERIFY(pointer->windows().empty() && !pointer->clock().isValid());
        pointer->turnOn();
        QVERIFY(board->inkEmpty() && mainView().ink->sublayers().empty());
        QCOMPARE(board->stepNumber(), 1);
    }

    // The projector mirrors the laptop: one overlay for both. Screens that
    // stay as they were keep their windows and ink through a screen change;
    // the ink of one that goes leaves with it, and the badge numbers stay used.
    void mirroredScreensShareAnOverlayAndUnchangedOnesKeepTheirInk() {
        pointer->turnOn();
        QCOMPARE(pointer->windows().size(), size_t(2));
        tapBadge();
        OverlayView& side = pointer->windows().back()->view();
        pointer->pressed({50, 50}, Qt::LeftButton, side);
        pointer->released(Qt::LeftButton, side);
        const OverlayWindow* before = pointer->windows().front().get();
        pointer->screensChanged();
        QCOMPARE(pointer->windows().front().get(), before);
        QCOMPARE(board->items().size(), size_t(2));
        QVERIFY(pointer->clock().isValid());
        board->clearOn(side);
        QCOMPARE(board->items().size(), size_t(1));
        QCOMPARE(board->stepNumber(), 3);
    }

    void clicksTapUndoAndPokeTheHand() {
        pointer->turnOn();
        prefs().setTool(Tool::pen);
        pointer->pressed({20, 20}, Qt::LeftButton, mainView());
        QCOMPARE(pointer->motion().poke, 1.0);
        pointer->moved({80, 20}, Qt::LeftButton, Qt::NoModifier, mainView());
        pointer->released(Qt::LeftButton, mainView());
        QCOMPARE(board->items().size(), size_t(1));
        QCOMPARE(recorder.taps.size(), size_t(1));
        pointer->pressed({20, 20}, Qt::RightButton, mainView());
        QVERIFY(board->inkEmpty());
    }

    // The desktop is watched only while on (off, nothing wakes the program).
    // The hand goes where the overlay heard the mouse, and motion it cannot
    // hear (another program holds the mouse) wakes the sleeping clock.
    void theDesktopIsWatchedWhileOnAndItsMotionWakesTheClock() {
        FakeDesktop desktop;
        pointer->setDesktopWatch(&desktop);
        double now = 1;
        MediaClock::setSource([&] { return now; });
        QVERIFY(!desktop.watching);
        pointer->turnOn();
        QVERIFY(desktop.watching);
        pointer->moved({300, 200}, Qt::NoButton, Qt::NoModifier, mainView());
        pointer->tick();
        QCOMPARE(mainView().arm->position(), QPointF(300, 200));
        for (int i = 0; i < 200 && !pointer->clock().isSleeping(); ++i) {
            now += 0.05;
            pointer->tick();
        }
        MediaClock::setSource(nullptr);
        QVERIFY(pointer->clock().isSleeping());
        emit desktop.mouseMoved();
        QVERIFY(!pointer->clock().isSleeping());
        pointer->turnOff();
        QVERIFY(!desktop.watching);
        pointer->setDesktopWatch(nullptr);
    }

    // Two screens side by side: the hand and laser show only on the one holding
    // the mouse, the spotlight's hole only on the one holding the spot.
    void eachViewShowsOnlyWhatLiesOnItsScreen() {
        OverlayView left({1000, 800}, 1), right({1000, 800}, 2);
        const QRectF leftFrame(0, 0, 1000, 800), rightFrame(1000, 0, 1000, 800);
        Motion motion;
        motion.reset({1500, 400});
        motion.trailPoints = {{{1400, 380}, 0}, {{1500, 400}, 0}};
        FrameSettings s = FrameSettings::read(prefs());
        s.spotlight = true;
        const auto place = [&] {
            placeOnView(left, leftFrame, motion, {1500, 400}, s, *sprites);
            placeOnView(right, rightFrame, motion, {1500, 400}, s, *sprites);
        };
        place();
        QVERIFY(left.arm->isHidden() && !right.arm->isHidden());
        QCOMPARE(right.arm->position(), QPointF(500, 400));
        QVERIFY(!left.dim->isHidden() && left.dim->path().contains(QPointF(500, 400)));
        QVERIFY(!right.dim->path().contains(QPointF(500, 400))); // the hole
        QVERIFY(right.dim->path().contains(QPointF(900, 400)));

        s.laser = true;
        place();
        QVERIFY(right.arm->isHidden() && !right.laser->isHidden() && !right.trail->isHidden());
        QVERIFY(left.laser->isHidden() && left.trail->isHidden());
        QCOMPARE(right.laser->position(), QPointF(500, 400));
        QCOMPARE(right.trail->path().elementAt(0), QPointF(400, 380));
    }

    // The sprite is painted again when the hand, its size or the screen's scale changes.
    void theSpriteFollowsTheHandItsSizeAndTheScale() {
        OverlayView normal({800, 600}, 1), sharp({800, 600}, 2);
        Motion motion;
        motion.reset({100, 100});
        FrameSettings s = FrameSettings::read(prefs());
        const auto spriteSize = [&](OverlayView& view) {
            placeOnView(view, {0, 0, 800, 600}, motion, {100, 100}, s, *sprites);
            return view.sprite()->image.size();
        };
        const QSize medium = spriteSize(normal);
        QVERIFY(std::abs(spriteSize(sharp).height() - 2 * medium.height()) <= 2);
        s.handHeight = height(HandSize::large);
        QVERIFY(spriteSize(normal).height() > medium.height());
        const QImage large = normal.sprite()->image;
        s.handID = "neon";
        spriteSize(normal);
        QVERIFY(normal.sprite()->image != large);
        s.handID = "custom"; // no photo: the classic hand
        spriteSize(normal);
        QVERIFY(normal.shows("custom", s.handHeight));
    }

    // Over the toolbar the hand gives way; T hides the toolbar and it stays hidden.
    void theToolbarFollowsTheSettingAndTheHandGivesWayOverIt() {
        FakeToolbar toolbar; // as wide as the screen: the mouse is over it
        pointer->setToolbar(&toolbar);
        pointer->turnOn();
        QCOMPARE(toolbar.shows, 1);
        QVERIFY(mainView().arm->isHidden());
        QCOMPARE(pointer->windows().front()->cursor().shape(), Qt::ArrowCursor);
        QVERIFY(press(Qt::Key_T, Qt::NoModifier, "t"));
        QVERIFY(!prefs().showToolbar() && toolbar.frame().isEmpty());
        pointer->tick();
        QVERIFY(!mainView().arm->isHidden());
        QCOMPARE(pointer->windows().front()->cursor().shape(), Qt::BlankCursor);
        pointer->turnOff();
        pointer->turnOn();
        QCOMPARE(toolbar.shows, 1); // remembered: the real T round trip is in e2e_toolbar
    }

    void eachKeyMeansItsCommand_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("characters");
        QTest::addColumn<KeyCommands::Command>("command");
        const int ctrl = Qt::ControlModifier, shift = Qt::ShiftModifier, alt = Qt::AltModifier;
        const auto row = [](const char* name, int key, int m, const char* chars,
                            KeyCommands::Command c) {
            QTest::newRow(name) << key << m << QString(chars) << c;
        };
        row("Escape with anything", Qt::Key_Escape, ctrl | alt, "", {Action::turnOff});
        row("Ctrl+Z", Qt::Key_Z, ctrl, "z", {Action::undo});
        row("Ctrl+Shift+Z", Qt::Key_Z, ctrl | shift, "Z", {});
        row("Ctrl+Y on a German Z key", Qt::Key_Y, ctrl, "y", {});
        row("Ctrl+Backspace", Qt::Key_Backspace, ctrl, "", {Action::clear});
        row("Shift+Delete", Qt::Key_Delete, shift, "", {Action::clear});
        row("Shift+L", Qt::Key_L, shift, "L", {Action::toggleLaser});
        row("Super+L", Qt::Key_L, Qt::MetaModifier, "l", {});
        row("S", Qt::Key_S, 0, "s", {Action::toggleSpotlight});
        row("T", Qt::Key_T, 0, "t", {Action::toggleToolbar});
        row("keypad 3", Qt::Key_3, Qt::KeypadModifier, "3", {Action::chooseTool, Tool::arrow});
        row("5", Qt::Key_5, 0, "5", {Action::chooseTool, Tool::steps});
        row("6", Qt::Key_6, 0, "6", {});
        row("AltGr+1", Qt::Key_1, Qt::GroupSwitchModifier, "1", {});
        row("Shift+1", Qt::Key_Exclam, shift, "!", {});
        row("two characters", Qt::Key_unknown, 0, "ls", {});
    }
    void eachKeyMeansItsCommand() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, characters);
        QFETCH(KeyCommands::Command, command);
        QCOMPARE(KeyCommands::commandFor(key, Qt::KeyboardModifiers(modifiers), characters),
                 command);
    }

    // Ctrl turns a letter's text into a control character, which must not
    // hide the letter; key symbols give their Unicode characters.
    void theCharacterBehindAKeyIsFound() {
        QCOMPARE(KeyCharacters::fromQtKey(Qt::Key_Z, Qt::ControlModifier, "\x1a"), "z");
        QCOMPARE(KeyCharacters::fromQtKey(Qt::Key_Return, Qt::NoModifier, "\r"), "");
        QCOMPARE(X11KeyCharacters::keysymText(0xe9), "é");
        QCOMPARE(X11KeyCharacters::keysymText(0x10020ac), "€");
        QCOMPARE(X11KeyCharacters::keysymText(0xff08), "");    // BackSpace
        QCOMPARE(X11KeyCharacters::keysymText(0x1200000), ""); // beyond Unicode
    }

    // The table is checked above; here the commands reach the settings and the ink.
    void keysChangeTheSettingsAndPassOnWhatIsNotTheirs() {
        pointer->turnOn();
        prefs().setLaser(true);
        QVERIFY(press(Qt::Key_3, Qt::NoModifier, "3"));
        QVERIFY(prefs().tool() == Tool::arrow && !prefs().laser());
        QVERIFY(!press(Qt::Key_Q, Qt::NoModifier, "q"));
        tapBadge();
        QVERIFY(press(Qt::Key_Backspace, Qt::NoModifier, "\b") && board->inkEmpty());
        QVERIFY(press(Qt::Key_Escape, Qt::NoModifier, "\x1b") && !pointer->isOn());
    }
};

int main(int argc, char** argv) {
    // A laptop, a projector mirroring it, and a screen beside them.
    QTemporaryDir dir;
    QFile screens(dir.filePath("screens.json"));
    if (!screens.open(QIODevice::WriteOnly)) return 1;
    const char* screen = R"({"name": "%1", "x": %2, "y": 0, "width": %3, "height": %4,
                            "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1})";
    screens.write(QString("{\"screens\": [%1, %2, %3]}")
                      .arg(QString(screen).arg("laptop").arg(0).arg(800).arg(600),
                           QString(screen).arg("projector").arg(0).arg(800).arg(600),
                           QString(screen).arg("side").arg(800).arg(640).arg(480))
                      .toUtf8());
    screens.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screens.fileName().toUtf8());
    QApplication app(argc, argv);
    TestPointer test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_pointer.moc"
