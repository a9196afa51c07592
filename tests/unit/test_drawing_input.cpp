// Input on one overlay view: tapping and drawing (the gesture's states, the steps tool,
// laser mode, Shift, the tap's sound and ring) and the keys with their commands.
#include "DrawingFixture.h"
#include "layers/LayerAnimator.h"
#include "layers/LayerRenderer.h"
#include "layers/MediaClock.h"
#include "overlay/Ink.h"
#include "overlay/KeyCommands.h"
#include "overlay/OverlayView.h"
#include "overlay/Pointer.h"
#include "overlay/TapSounds.h"
#include "platform/KeyCharacters.h"
#include "platform/x11/X11KeyCharacters.h"
#include "prefs/Prefs.h"

#include <QKeyEvent>
#include <QSignalSpy>
#include <QTest>

using KeyCommands::Action;
using KeyCommands::Command;
Q_DECLARE_METATYPE(Command)

namespace {
constexpr auto none = Qt::NoModifier;
constexpr auto ctrl = Qt::ControlModifier;
constexpr auto shift = Qt::ShiftModifier;

using Moves = std::vector<QPointF>;

std::shared_ptr<ShapeLayer> strokeIn(const OverlayView& view, int index = 0) {
    return std::dynamic_pointer_cast<ShapeLayer>(view.ink->sublayers().at(std::size_t(index)));
}

// The width in points of everything the view draws now.
int drawnWidth(const OverlayView& view) {
    const QImage image = LayerRenderer::renderImage(*view.root);
    QRect drawn;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 0) drawn |= QRect(x, y, 1, 1);
    return drawn.width();
}
} // namespace

class TestDrawingInput : public QObject {
    Q_OBJECT
    Pointer& pointer = Pointer::shared();
    Prefs& prefs = Prefs::shared();
    std::unique_ptr<OverlayView> view;
    QList<QPair<TapSound, double>> played;

    void drag(QPointF from, const Moves& moves, bool straight = false) {
        pointer.down(from, *view);
        for (QPointF p : moves)
            pointer.dragged(p, straight, *view);
        pointer.up(*view);
    }

  private slots:
    void init() {
        DrawingFixture::resetPrefs();
        pointer.clear();
        view = std::make_unique<OverlayView>(QSizeF(800, 600), 2.0);
        played.clear();
        TapSounds::setPlayer([this](TapSound s, double v) { played.append({s, v}); });
    }
    void cleanup() {
        TapSounds::setPlayer(nullptr);
        MediaClock::setSource(nullptr);
    }

    // Up to 3 points from where the button went down is a tap; beyond, a
    // stroke starts there, leaving out the small moves before.
    void aDragStartsOnlyBeyondThreePoints_data() {
        QTest::addColumn<Moves>("moves");
        QTest::addColumn<bool>("draws");
        QTest::addColumn<int>("pathPoints");
        QTest::newRow("still") << Moves{} << false << 0;
        QTest::newRow("exactly 3 right") << Moves{{101, 100}, {103, 100}} << false << 0;
        QTest::newRow("exactly 3 down") << Moves{{100, 97}} << false << 0;
        QTest::newRow("3.01") << Moves{{101, 100}, {102, 100}, {103.01, 100}} << true << 2;
        QTest::newRow("then on") << Moves{{102, 100}, {110, 104}, {120, 110}} << true << 3;
    }
    void aDragStartsOnlyBeyondThreePoints() {
        QFETCH(Moves, moves);
        QFETCH(bool, draws);
        QFETCH(int, pathPoints);
        QSignalSpy emptied(&pointer, &Pointer::inkEmptyChanged);
        drag({100, 100}, moves);
        QCOMPARE(int(pointer.items().size()), draws ? 1 : 0);
        QCOMPARE(pointer.inkEmpty(), !draws);
        QCOMPARE(emptied.count(), draws ? 1 : 0);
        QCOMPARE(int(view->effects->sublayers().size()), 1); // the tap ring plays either way
        if (!draws) {
            QVERIFY(view->ink->sublayers().empty());
            return;
        }
        const QPainterPath path = strokeIn(*view)->path();
        QCOMPARE(QPointF(path.elementAt(0)), QPointF(100, 100));
        QCOMPARE(QPointF(path.elementAt(path.elementCount() - 1)), moves.back());
        // Two points make one segment; three a curve through the midpoint.
        QCOMPARE(path.elementCount(), pathPoints == 2 ? 2 : 5);
    }

    void theStrokeKeepsItsStartingColourAndWidth() {
        prefs.setColor(InkColor::lime);
        prefs.setPenWidth(8);
        pointer.down({10, 10}, *view);
        pointer.dragged({40, 10}, false, *view);
        prefs.setColor(InkColor::violet);
        prefs.setPenWidth(2);
        pointer.dragged({80, 20}, false, *view);
        pointer.up(*view);
        const auto stroke = strokeIn(*view);
        QCOMPARE(stroke->strokeColor(), ns(InkColor::lime));
        QCOMPARE(stroke->lineWidth(), 8.0);
        QCOMPARE(stroke->frame(), view->root->bounds());
    }

    // Shift switches the whole stroke between straight and free at each move.
    void shiftStraightensTheWholeStrokeWhileHeld() {
        pointer.down({0, 0}, *view);
        pointer.dragged({20, 30}, false, *view);
        pointer.dragged({40, 10}, false, *view);
        pointer.dragged({60, 50}, false, *view);
        const auto stroke = strokeIn(*view);
        QVERIFY(stroke->path().elementCount() > 2);
        pointer.dragged({80, 40}, true, *view);
        QCOMPARE(stroke->path().elementCount(), 2);
        QCOMPARE(QPointF(stroke->path().elementAt(1)), QPointF(80, 40));
        pointer.dragged({90, 45}, false, *view);
        QVERIFY(stroke->path().elementCount() > 2);
        QCOMPARE(QPointF(stroke->path().elementAt(stroke->path().elementCount() - 1)),
                 QPointF(90, 45));
        pointer.up(*view);
    }

    void theStepsToolPlacesABadgeWhereTheButtonWentDown() {
        prefs.setTool(Tool::steps);
        QSignalSpy numbered(&pointer, &Pointer::stepNumberChanged);
        drag({200, 150}, {{230, 180}, {300, 200}});
        QVERIFY(view->effects->sublayers().empty()); // a badge, not a ring
        QCOMPARE(int(view->ink->sublayers().size()), 1);
        const LayerPtr badge = view->ink->sublayers().front();
        QCOMPARE(badge->position(), QPointF(200, 150));
        QCOMPARE(badge->value("step").toInt(), 1);
        QCOMPARE(pointer.stepNumber(), 2);
        QCOMPARE(numbered.count(), 1);
        QCOMPARE(pointer.items().back(), badge);
        // Its digits are rendered for the view's screen.
        QCOMPARE(badge->sublayers().front()->contentsScale(), 2.0);
    }

    void withTheLaserOnTheStepsToolTapsAndDrawsAPen() {
        prefs.setTool(Tool::steps);
        prefs.setLaser(true);
        drag({50, 50}, {});
        QCOMPARE(int(view->effects->sublayers().size()), 1);
        QVERIFY(pointer.items().empty());
        drag({50, 50}, {{60, 50}, {90, 70}});
        QCOMPARE(int(pointer.items().size()), 1);
        const auto stroke = strokeIn(*view);
        QVERIFY(!stroke->fillColor().isValid());
        QCOMPARE(stroke->lineWidth(), 5.0);
        QCOMPARE(pointer.stepNumber(), 1);
    }

    void theTapPlaysTheChosenSoundUnlessMuted_data() {
        QTest::addColumn<bool>("muted");
        QTest::addColumn<double>("stored");
        QTest::addColumn<int>("plays");
        QTest::addColumn<double>("heard");
        QTest::newRow("default") << false << 0.6 << 1 << 0.6;
        QTest::newRow("muted") << true << 0.6 << 0 << 0.0;
        QTest::newRow("stored NaN") << false << qQNaN() << 1 << 0.6;
        QTest::newRow("stored huge") << false << 1e300 << 1 << 1.0;
    }
    void theTapPlaysTheChosenSoundUnlessMuted() {
        QFETCH(bool, muted);
        QFETCH(double, stored);
        QFETCH(int, plays);
        QFETCH(double, heard);
        prefs.setMuted(muted);
        prefs.setVolume(stored);
        prefs.setSound(TapSound::chime);
        drag({10, 10}, {{50, 50}}); // also when the press goes on to draw
        QCOMPARE(int(played.size()), plays);
        if (plays) QCOMPARE(played.front(), qMakePair(TapSound::chime, heard));
        QCOMPARE(int(view->effects->sublayers().size()), 1); // the ring plays muted too
    }

    void theRingSpreadsFadesAndGoes() {
        double now = 50.0;
        MediaClock::setSource([&now] { return now; });
        prefs.setColor(InkColor::sky);
        pointer.down({300, 200}, *view);
        pointer.up(*view);
        const auto ring = std::dynamic_pointer_cast<ShapeLayer>(view->effects->sublayers().front());
        QVERIFY(ring);
        QCOMPARE(ring->path().boundingRect(), QRectF(-22, -22, 44, 44));
        QCOMPARE(ring->position(), QPointF(300, 200));
        QCOMPARE(ring->strokeColor(), ns(InkColor::sky));
        QCOMPARE(ring->opacity(), 0.0);
        // Drawn (though its model is transparent) at a quarter of its size, then
        // eased out: ahead of linear growth.
        const double diameter = 44 + 3; // with its line
        LayerAnimator::advance();
        QVERIFY(std::abs(drawnWidth(*view) - 0.25 * diameter) < 2);
        now += 0.2;
        LayerAnimator::advance();
        QVERIFY(drawnWidth(*view) > (0.25 + 1.25 * 0.2 / 0.45) * diameter + 2);
        now += 0.26;
        LayerAnimator::advance();
        QVERIFY(!ring->superlayer());
        QVERIFY(view->effects->sublayers().empty());
    }

    void clearingMidDragEndsTheStrokeButNotTheDrag() {
        pointer.down({0, 0}, *view);
        pointer.dragged({30, 30}, false, *view);
        QCOMPARE(int(view->ink->sublayers().size()), 1);
        pointer.clear();
        QVERIFY(view->ink->sublayers().empty());
        pointer.dragged({60, 60}, false, *view);
        pointer.up(*view);
        QVERIFY(view->ink->sublayers().empty());
        QVERIFY(pointer.items().empty());
        QVERIFY(pointer.inkEmpty());
    }

    // A release that never arrived must not leave ink that undo and clear
    // cannot reach.
    void aPressWithoutTheLastReleaseKeepsTheStrokeAsInk() {
        pointer.down({0, 0}, *view);
        pointer.dragged({30, 30}, false, *view);
        pointer.down({100, 100}, *view);
        QCOMPARE(int(pointer.items().size()), 1);
        pointer.clear();
        QVERIFY(view->ink->sublayers().empty());
    }
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
        row("Ctrl+L", Qt::Key_L, ctrl, "l", {});
        row("Alt+L", Qt::Key_L, Qt::AltModifier, "l", {});
        row("Super+L", Qt::Key_L, Qt::MetaModifier, "l", {});
        row("S", Qt::Key_S, none, "s", {Action::toggleSpotlight});
        row("T", Qt::Key_T, none, "t", {Action::toggleToolbar});
        row("1", Qt::Key_1, none, "1", {Action::chooseTool, Tool::pen});
        row("5", Qt::Key_5, none, "5", {Action::chooseTool, Tool::steps});
        row("keypad 3", Qt::Key_3, Qt::KeypadModifier, "3", {Action::chooseTool, Tool::arrow});
        row("6", Qt::Key_6, none, "6", {});
        row("Alt+1", Qt::Key_1, Qt::AltModifier, "1", {});
        row("AltGr+1", Qt::Key_1, Qt::GroupSwitchModifier, "1", {});
        row("Shift+1", Qt::Key_Exclam, shift, "!", {});
        row("no characters", Qt::Key_F5, none, "", {});
        row("two characters", Qt::Key_unknown, none, "ls", {});
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
    void theFallbackFindsTheCharacterBehindCtrl() {
        const auto chars = [](int key, Qt::KeyboardModifiers m, const char* text) {
            return KeyCharacters::fromQtKey(key, m, QString::fromUtf8(text));
        };
        QCOMPARE(chars(Qt::Key_Z, ctrl, "\x1a"), "z");
        QCOMPARE(chars(Qt::Key_Z, ctrl | shift, "\x1a"), "Z");
        QCOMPARE(chars(Qt::Key_Exclam, shift, "!"), "!");
        QCOMPARE(chars(Qt::Key_Adiaeresis, none, "ä"), "ä");
        QCOMPARE(chars(Qt::Key_F5, none, ""), "");
        QCOMPARE(chars(Qt::Key_Return, none, "\r"), "");
    }

    void keysymsGiveTheirCharacters() {
        QCOMPARE(X11KeyCharacters::keysymText(0x7a), "z");
        QCOMPARE(X11KeyCharacters::keysymText(0xe9), "é");
        QCOMPARE(X11KeyCharacters::keysymText(0x10020ac), "€"); // Unicode keysyms
        QCOMPARE(X11KeyCharacters::keysymText(0x101f600), QString::fromUcs4(U"\U0001F600", 1));
        QCOMPARE(X11KeyCharacters::keysymText(0xff08), "");    // BackSpace
        QCOMPARE(X11KeyCharacters::keysymText(0x6c4), "");     // legacy Cyrillic
        QCOMPARE(X11KeyCharacters::keysymText(0x1200000), ""); // beyond Unicode
    }

    void keysChangeTheSettingsAndPassOnWhatIsNotTheirs() {
        const auto press = [this](int key, Qt::KeyboardModifiers m, const QString& text) {
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

DRAWING_TEST_MAIN(TestDrawingInput)
#include "test_drawing_input.moc"
