// Tapping, drawing, badges, undo and fading on the ink board.
#include "OverlayTestKit.h"
#include "layers/LayerAnimator.h"
#include "layers/MediaClock.h"
#include "overlay/InkBoard.h"
#include "overlay/OverlayView.h"

#include <QSignalSpy>
#include <QTest>

class TestInkBoard : public QObject {
    Q_OBJECT
    std::unique_ptr<PrivatePrefs> settings;
    TapRecorder recorder;
    std::unique_ptr<InkBoard> board;
    std::unique_ptr<OverlayView> view;

    Prefs& prefs() { return settings->prefs; }
    void drag(std::vector<QPointF> points, bool straight = false) {
        board->down(points.front(), *view);
        for (size_t i = 1; i < points.size(); ++i)
            board->dragged(points[i], straight, *view);
        board->up(*view);
    }
    void badge(QPointF at = {100, 100}) {
        prefs().setTool(Tool::steps);
        drag({at});
    }

  private slots:
    void init() {
        settings = std::make_unique<PrivatePrefs>();
        recorder.taps.clear();
        board = std::make_unique<InkBoard>(prefs(), recorder.player());
        view = std::make_unique<OverlayView>(QSizeF(400, 300), 1.0);
    }

    // Strictly beyond 3 points starts a stroke; a click tool never draws.
    void aDragStartsOnlyBeyondThreePoints() {
        for (const auto& [tool, to, draws] : {std::tuple{Tool::pen, 3.0, false},
                                              {Tool::pen, 3.01, true},
                                              {Tool::box, 50.0, true},
                                              {Tool::steps, 50.0, false}}) {
            init();
            prefs().setTool(tool);
            board->down({10, 10}, *view);
            board->dragged({10 + to, 10}, false, *view);
            QCOMPARE(view->ink->sublayers().size(), size_t(draws));
            board->up(*view);
        }
    }

    void theStrokeKeepsItsStartingColourAndWidth() {
        board->down({10, 10}, *view);
        board->dragged({50, 10}, false, *view);
        prefs().setColor(InkColor::sky);
        prefs().setPenWidth(12);
        board->dragged({90, 10}, false, *view);
        board->up(*view);
        const auto* stroke = dynamic_cast<ShapeLayer*>(board->items().front().get());
        QCOMPARE(stroke->strokeColor(), ns(InkColor::coral));
        QCOMPARE(stroke->lineWidth(), 5.0);
    }

    // The steps tool puts a badge where the button went down; with the laser on
    // the same gesture taps with a ring and draws with the pen.
    void theStepsToolPlacesBadgesUnlessTheLaserIsOn() {
        prefs().setTool(Tool::steps);
        board->down({40, 50}, *view);
        board->dragged({200, 200}, false, *view);
        board->up(*view);
        QCOMPARE(board->items().front()->position(), QPointF(40, 50));
        QVERIFY(view->effects->sublayers().empty());
        QCOMPARE(board->stepNumber(), 2);
        prefs().setLaser(true);
        drag({{10, 10}, {60, 60}});
        QVERIFY(dynamic_cast<ShapeLayer*>(board->items().back().get()));
        QCOMPARE(view->effects->sublayers().size(), size_t(1));
        QCOMPARE(board->stepNumber(), 2);
    }

    void theTapPlaysTheChosenSoundUnlessMuted() {
        prefs().setSound(TapSound::chime);
        prefs().setVolume(qQNaN());
        board->down({5, 5}, *view);
        board->up(*view);
        QCOMPARE(recorder.taps.size(), size_t(1));
        QCOMPARE(recorder.taps[0].first, TapSound::chime);
        QVERIFY(recorder.taps[0].second >= 0 && recorder.taps[0].second <= 1);
        prefs().setMuted(true);
        board->down({5, 5}, *view);
        QCOMPARE(recorder.taps.size(), size_t(1));
        QCOMPARE(view->effects->sublayers().size(), size_t(2)); // muted still rings
    }

    void aLostReleaseOrAClearMidDragLosesNothingElse() {
        board->down({10, 10}, *view);
        board->dragged({60, 60}, false, *view);
        board->down({100, 100}, *view); // the release went elsewhere
        QCOMPARE(board->items().size(), size_t(1));
        board->dragged({150, 100}, false, *view);
        board->clear();
        board->dragged({200, 100}, false, *view); // the drag goes on, drawing nothing
        board->up(*view);
        QVERIFY(board->items().empty() && view->ink->sublayers().empty() && board->inkEmpty());
    }

    // Undo gives back a badge number only when it was the latest one.
    void undoAndBadgeNumbers() {
        QSignalSpy empty(board.get(), &InkBoard::inkEmptyChanged);
        badge();
        badge();
        prefs().setTool(Tool::pen);
        drag({{10, 10}, {60, 60}});
        badge();
        QCOMPARE(board->stepNumber(), 4);
        board->undo();
        QCOMPARE(board->stepNumber(), 3);
        board->undo(); // a stroke
        QCOMPARE(board->stepNumber(), 3);
        board->undo();
        QCOMPARE(board->stepNumber(), 2);
        QCOMPARE(empty.count(), 1); // became non-empty once
        board->undo();
        board->undo(); // nothing left: no change
        QCOMPARE(empty.count(), 2);
        QVERIFY(board->inkEmpty() && view->ink->sublayers().empty());
        badge();
        board->clear();
        QCOMPARE(board->stepNumber(), 1);
    }

    // A stroke vanishes when its time comes; a badge fades over 0.6 s first.
    void inkFadesAfterTheDelayFixedWhenItWasDrawn() {
        double now = 1;
        MediaClock::setSource([&] { return now; });
        prefs().setFadeAfter(0.05);
        drag({{10, 10}, {60, 60}});
        badge();
        prefs().setFadeAfter(0);
        const LayerPtr stroke = board->items().front(), disc = board->items().back();
        QTRY_VERIFY_WITH_TIMEOUT(!stroke->superlayer(), 1000);
        QTRY_COMPARE_WITH_TIMEOUT(disc->opacity(), 0.0, 1000);
        now += 0.3;
        LayerAnimator::advance();
        QVERIFY(disc->superlayer()); // still fading
        now += 0.4;
        LayerAnimator::advance();
        QVERIFY(!disc->superlayer() && board->inkEmpty());
        QCOMPARE(board->stepNumber(), 2); // faded badges keep their numbers used up
        MediaClock::setSource(nullptr);
    }

    // An item undone or cleared before its fade is left alone by it; a delay
    // that makes no sense never fades.
    void aPendingFadeOfAGoneItemAndANonsenseDelayDoNothing() {
        prefs().setFadeAfter(0.05);
        badge();
        const LayerPtr undone = board->items().front();
        board->undo();
        badge();
        const LayerPtr cleared = board->items().front();
        board->clear();
        prefs().setFadeAfter(qQNaN());
        badge();
        prefs().setFadeAfter(-1);
        badge();
        QTest::qWait(150);
        LayerAnimator::advance();
        QCOMPARE(undone->opacity(), 1.0);
        QCOMPARE(cleared->opacity(), 1.0);
        QCOMPARE(board->items().size(), size_t(2));
    }
};

QTEST_MAIN(TestInkBoard)
#include "test_inkboard.moc"
