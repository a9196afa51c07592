// Finished ink: undo, badge numbering, clear, the fade, and the inkEmpty
// announcements.
#include "DrawingFixture.h"
#include "layers/LayerAnimator.h"
#include "layers/LayerRenderer.h"
#include "overlay/OverlayView.h"
#include "overlay/Pointer.h"
#include "overlay/TapSounds.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

class TestDrawingUndo : public QObject {
    Q_OBJECT
    Pointer& pointer = Pointer::shared();
    Prefs& prefs = Prefs::shared();
    std::unique_ptr<OverlayView> view;

    void badge() {
        prefs.setTool(Tool::steps);
        pointer.down({100, 100}, *view);
        pointer.up(*view);
    }
    void stroke() {
        prefs.setTool(Tool::pen);
        pointer.down({10, 10}, *view);
        pointer.dragged({60, 60}, false, *view);
        pointer.up(*view);
    }
    // The overlay's frames advance the animations; here the test does.
    bool settlesTo(const std::function<bool()>& done, int timeoutMs) {
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < timeoutMs) {
            LayerAnimator::advance();
            if (done()) return true;
            QTest::qWait(5);
        }
        return false;
    }

  private slots:
    void init() {
        DrawingFixture::resetPrefs();
        TapSounds::setPlayer([](TapSound, double) {});
        pointer.clear();
        view = std::make_unique<OverlayView>(QSizeF(400, 300), 1.0);
    }
    void cleanup() { TapSounds::setPlayer(nullptr); }

    // Which undo gives a badge number back.
    void undoGivesBackOnlyTheLatestBadgeNumber_data() {
        QTest::addColumn<QString>("made"); // b: badge, s: stroke
        QTest::addColumn<int>("undos");
        QTest::addColumn<int>("next");
        QTest::addColumn<int>("left");
        QTest::newRow("1 2 3, undo") << "bbb" << 1 << 3 << 2;
        QTest::newRow("1 2 stroke, undo") << "bbs" << 1 << 3 << 2;
        QTest::newRow("1 2 3, undo twice") << "bbb" << 2 << 2 << 1;
        QTest::newRow("1 stroke 2, undo all") << "bsb" << 3 << 1 << 0;
        QTest::newRow("nothing, undo") << "" << 1 << 1 << 0;
    }
    void undoGivesBackOnlyTheLatestBadgeNumber() {
        QFETCH(QString, made);
        QFETCH(int, undos);
        QFETCH(int, next);
        QFETCH(int, left);
        for (QChar c : made)
            c == 'b' ? badge() : stroke();
        for (int i = 0; i < undos; ++i)
            pointer.undo();
        QCOMPARE(pointer.stepNumber(), next);
        QCOMPARE(int(pointer.items().size()), left);
        QCOMPARE(int(view->ink->sublayers().size()), left);
        QCOMPARE(pointer.inkEmpty(), left == 0);
    }

    void aBadgeWhoseNumberIsNotTheLatestKeepsTheCountWhenUndone() {
        badge();
        badge();
        pointer.remove(pointer.items().back()); // badge 2 faded away
        QCOMPARE(pointer.stepNumber(), 3);
        pointer.undo(); // badge 1
        QCOMPARE(pointer.stepNumber(), 3);
        pointer.clear();
        QCOMPARE(pointer.stepNumber(), 1);
    }

    // Observers hear of inkEmpty only when it changes, and nothing from an
    // undo with nothing to undo.
    void inkEmptyIsAnnouncedOnlyOnAChange() {
        QSignalSpy empty(&pointer, &Pointer::inkEmptyChanged);
        QSignalSpy number(&pointer, &Pointer::stepNumberChanged);
        pointer.undo();
        pointer.clear();
        QCOMPARE(empty.count(), 0);
        QCOMPARE(number.count(), 0);
        stroke();
        stroke();
        QCOMPARE(empty.count(), 1);
        pointer.undo();
        QCOMPARE(empty.count(), 1);
        pointer.undo();
        QCOMPARE(empty.count(), 2);
        QVERIFY(pointer.inkEmpty());
    }

    void aStrokeVanishesAtOnceWhenItsTimeComes() {
        prefs.setFadeAfter(0.05);
        stroke();
        prefs.setFadeAfter(0); // the delay was fixed when it was drawn
        const LayerPtr item = pointer.items().front();
        QSignalSpy empty(&pointer, &Pointer::inkEmptyChanged);
        QTRY_VERIFY_WITH_TIMEOUT(pointer.items().empty(), 1000);
        QVERIFY(!item->superlayer());
        QVERIFY(pointer.inkEmpty());
        QCOMPARE(empty.count(), 1);
    }

    void aBadgeFadesOutOverSixTenthsOfASecond() {
        prefs.setFadeAfter(0.05);
        badge();
        const LayerPtr item = pointer.items().front();
        QTRY_COMPARE_WITH_TIMEOUT(item->opacity(), 0.0, 1000); // the fade began
        QElapsedTimer since;
        since.start();
        LayerAnimator::advance();
        QVERIFY(item->superlayer()); // still fading, and still plainly there
        const QImage shown = LayerRenderer::renderImage(*view->root);
        QVERIFY2(qAlpha(shown.pixel(100, 200)) > 128,
                 qPrintable(QString::number(qAlpha(shown.pixel(100, 200)))));
        QVERIFY(settlesTo([&] { return pointer.items().empty(); }, 2000));
        // The fade began up to one polling interval before `since` started:
        // what matters is that it took a good part of 0.6 s, not no time.
        QVERIFY2(since.elapsed() >= 400, qPrintable(QString::number(since.elapsed())));
        QVERIFY(!item->superlayer());
        QVERIFY(pointer.inkEmpty());
        QCOMPARE(pointer.stepNumber(), 2); // faded badges keep their numbers used up
    }

    // An item undone or cleared before its fade is left alone by it, also
    // when the layer is still alive.
    void aPendingFadeOfAnItemThatIsGoneDoesNothing_data() {
        QTest::addColumn<bool>("byUndo");
        QTest::newRow("undo") << true;
        QTest::newRow("clear") << false;
    }
    void aPendingFadeOfAnItemThatIsGoneDoesNothing() {
        QFETCH(bool, byUndo);
        prefs.setFadeAfter(0.05);
        badge();
        const LayerPtr gone = pointer.items().front();
        byUndo ? pointer.undo() : pointer.clear();
        prefs.setFadeAfter(0);
        badge(); // drawn after, never fades
        QSignalSpy empty(&pointer, &Pointer::inkEmptyChanged);
        QTest::qWait(150);
        LayerAnimator::advance();
        QCOMPARE(gone->opacity(), 1.0);
        QCOMPARE(int(pointer.items().size()), 1);
        QCOMPARE(pointer.items().front()->opacity(), 1.0);
        QCOMPARE(empty.count(), 0);
    }

    // Stored values that make no sense must never fade at once or schedule
    // an absurd timer; the largest honoured delay is a day.
    void aDelayThatMakesNoSenseNeverFades_data() {
        QTest::addColumn<double>("stored");
        QTest::newRow("NaN") << qQNaN();
        QTest::newRow("negative") << -1.0;
        QTest::newRow("inf") << qInf();
    }
    void aDelayThatMakesNoSenseNeverFades() {
        QFETCH(double, stored);
        prefs.setFadeAfter(stored);
        stroke();
        QTest::qWait(60);
        QCOMPARE(int(pointer.items().size()), 1);
    }
};

DRAWING_TEST_MAIN(TestDrawingUndo)
#include "test_drawing_undo.moc"
