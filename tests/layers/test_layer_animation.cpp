// Transactions, implicit and explicit animations on a fake clock.
#include "layers/Layer.h"
#include "layers/LayerAnimator.h"
#include "layers/MediaClock.h"
#include "layers/Transaction.h"

#include <QtTest>
#include <cmath>

namespace {
double clockNow = 1000.0;

void at(double t) {
    clockNow = t;
    LayerAnimator::advance();
}

struct Scene {
    LayerPtr root = Layer::make();
    LayerPtr layer = Layer::make();
    Scene() {
        root->setBounds({0, 0, 500, 500});
        layer->setFrame({100, 100, 50, 50});
        layer->setBackgroundColor(Qt::red);
        root->addSublayer(layer);
        Transaction::flush(); // as a turn of the event loop would
    }
    ~Scene() { layer->removeAllAnimations(); }
    double shown(const char* key) const { return layer->presentationValue(key).toDouble(); }
};
} // namespace

class TestLayerAnimation : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        MediaClock::setSource([] { return clockNow; });
    }
    void cleanupTestCase() { MediaClock::setSource(nullptr); }
    void init() { at(clockNow + 100); }

    void implicitAnimationFollowsActionsAndTransactions_data();
    void implicitAnimationFollowsActionsAndTransactions();
    void layerAddedInSameTransactionDoesNotAnimate();
    void easeOutValuesAtKnownTimes();
    void groupRunsOnOneClockAndIsRemovedWithCallbacks();
    void springStartsOvershootsAndSettles();
    void springWithNonsenseParametersStaysFinite();
    void fillForwardsHoldsTheEndValue();
    void replacingAnAnimationStopsTheOldOne();
    void completionWaitsForEveryAnimation_data();
    void completionWaitsForEveryAnimation();
    void animationsDirtyTheirLayerEachFrame();
};

void TestLayerAnimation::implicitAnimationFollowsActionsAndTransactions_data() {
    QTest::addColumn<bool>("disableActions");
    QTest::addColumn<bool>("actionAllowed");
    QTest::addColumn<bool>("animates");
    QTest::newRow("allowed") << false << true << true;
    QTest::newRow("actions disabled") << true << true << false;
    QTest::newRow("action table says no") << false << false << false;
}

void TestLayerAnimation::implicitAnimationFollowsActionsAndTransactions() {
    QFETCH(bool, disableActions);
    QFETCH(bool, actionAllowed);
    QFETCH(bool, animates);
    Scene s;
    s.layer->setImplicitAnimation("opacity", actionAllowed);
    const double t0 = clockNow;
    Transaction::begin();
    Transaction::setDisableActions(disableActions);
    Transaction::setAnimationDuration(0.6);
    s.layer->setOpacity(0.0);
    Transaction::commit();
    QCOMPARE(s.layer->opacity(), 0.0); // the model changes at once
    QCOMPARE(s.layer->animationForKey("opacity") != nullptr, animates);
    at(t0 + 0.3);
    if (animates) {
        QVERIFY(s.shown("opacity") > 0.05 && s.shown("opacity") < 0.95);
        QVERIFY(s.root->needsAnimationFrames());
        at(t0 + 0.61);
        QVERIFY(!s.layer->animationForKey("opacity"));
    }
    QCOMPARE(s.shown("opacity"), 0.0);
    QVERIFY(!s.root->needsAnimationFrames());
}

void TestLayerAnimation::layerAddedInSameTransactionDoesNotAnimate() {
    Scene s;
    auto fresh = Layer::make();
    Transaction::begin();
    s.root->addSublayer(fresh);
    fresh->setPosition({50, 50});
    Transaction::commit();
    QVERIFY(fresh->animationKeys().isEmpty());
    fresh->setPosition({60, 60}); // committed, so on show: animates
    QVERIFY(fresh->animationForKey("position"));
    fresh->removeAllAnimations();
    // Outside explicit transactions, one turn of the event loop is one
    // transaction, which the event loop ends by itself.
    auto other = Layer::make();
    s.root->addSublayer(other);
    other->setOpacity(0.7);
    QVERIFY(other->animationKeys().isEmpty());
    QCoreApplication::processEvents();
    other->setOpacity(0.5);
    QVERIFY(other->animationForKey("opacity"));
    other->removeAllAnimations();
}

void TestLayerAnimation::easeOutValuesAtKnownTimes() {
    Scene s;
    const double t0 = clockNow;
    s.layer->addAnimation(BasicAnimation("opacity", 0.0, 1.0, 1.0, Timing::EaseOut), "fade");
    struct Sample {
        double t, value;
    };
    // The cubic (0, 0, 0.58, 1), solved independently.
    for (const Sample& sample :
         {Sample{0.0, 0.0}, Sample{0.25, 0.378138}, Sample{0.5, 0.684643}, Sample{1.0, 1.0}}) {
        at(t0 + sample.t);
        if (sample.t < 1.0)
            QVERIFY2(std::abs(s.shown("opacity") - sample.value) < 1e-4,
                     qPrintable(QString("%1 at %2").arg(s.shown("opacity")).arg(sample.t)));
    }
    QVERIFY(!s.layer->animationForKey("fade"));
}

void TestLayerAnimation::groupRunsOnOneClockAndIsRemovedWithCallbacks() {
    Scene s;
    auto ring = Layer::make();
    ring->setBounds({-22, -22, 44, 44});
    ring->setBackgroundColor(Qt::blue);
    s.root->addSublayer(ring);
    AnimationGroup tap;
    tap.add(BasicAnimation("transform.scale", 0.25, 1.5));
    tap.add(BasicAnimation("opacity", 1.0, 0.0));
    tap.duration = 0.45;
    tap.timing = Timing::EaseOut;
    bool stopped = false, finished = false;
    tap.onStop = [&](bool done) {
        stopped = true;
        finished = done;
    };
    const double t0 = clockNow;
    Transaction::begin();
    Transaction::setCompletion([&ring] { ring->removeFromSuperlayer(); });
    ring->setOpacity(0); // stays invisible once the animation ends
    ring->addAnimation(tap, "tap");
    Transaction::commit();
    QCOMPARE(ring->superlayer(), s.root.get());

    at(t0 + 0.225); // half the time, ease-out: well past half the way
    const double p = timingCurve(Timing::EaseOut, 0.5);
    QVERIFY(std::abs(ring->presentationValue("transform.scale").toDouble() - (0.25 + 1.25 * p)) <
            1e-6);
    QVERIFY(std::abs(ring->presentationValue("opacity").toDouble() - (1 - p)) < 1e-6);
    QVERIFY(!stopped);
    at(t0 + 0.46);
    QVERIFY(stopped && finished);
    QCOMPARE(ring->superlayer(), nullptr); // the completion removed it
    QVERIFY(!s.root->needsAnimationFrames());
}

void TestLayerAnimation::springStartsOvershootsAndSettles() {
    Scene s;
    SpringAnimation pop("transform.scale", 0.3, 1.0);
    pop.damping = 11;
    const double t0 = clockNow;
    s.layer->addAnimation(pop, "pop");
    const double length = pop.settlingDuration();
    QVERIFY2(length > 0.7 && length < 1.0, qPrintable(QString::number(length)));
    at(t0);
    QVERIFY(std::abs(s.shown("transform.scale") - 0.3) < 1e-9);
    double highest = 0;
    for (double t = 0; t < length; t += 1.0 / 120) {
        at(t0 + t);
        highest = std::max(highest, s.shown("transform.scale"));
    }
    QVERIFY2(highest > 1.05 && highest < 1.3, qPrintable(QString::number(highest)));
    at(t0 + length - 1e-3);
    QVERIFY(std::abs(s.shown("transform.scale") - 1.0) < 0.01);
    at(t0 + length + 0.01);
    QVERIFY(!s.layer->animationForKey("pop"));
    QCOMPARE(s.shown("transform.scale"), 1.0);
}

void TestLayerAnimation::springWithNonsenseParametersStaysFinite() {
    SpringAnimation broken;
    broken.mass = 0;
    broken.stiffness = -5;
    QVERIFY(std::isfinite(broken.settlingDuration()) && broken.settlingDuration() <= 30.0);
    QVERIFY(std::isfinite(broken.springProgress(0.5)));
}

void TestLayerAnimation::fillForwardsHoldsTheEndValue() {
    Scene s;
    BasicAnimation move("position.x", 0.0, 400.0, 0.5);
    move.removedOnCompletion = false;
    move.fillMode = FillMode::Forwards;
    const double t0 = clockNow;
    s.layer->addAnimation(move, "move");
    at(t0 + 2);
    QVERIFY(s.layer->animationForKey("move"));
    QCOMPARE(s.shown("position.x"), 400.0);
    QCOMPARE(s.layer->position().x(), 125.0); // the model is untouched
    QVERIFY(!s.root->needsAnimationFrames());
    s.layer->removeAnimation("move");
    QCOMPARE(s.shown("position.x"), 125.0);
}

void TestLayerAnimation::replacingAnAnimationStopsTheOldOne() {
    Scene s;
    int stops = 0;
    bool lastFinished = true;
    BasicAnimation fade("opacity", 1.0, 0.0, 1.0);
    fade.onStop = [&](bool finished) {
        ++stops;
        lastFinished = finished;
    };
    s.layer->addAnimation(fade, "fade");
    s.layer->addAnimation(fade, "fade");
    QCOMPARE(stops, 1);
    QVERIFY(!lastFinished);
    QCOMPARE(s.layer->animationKeys().size(), 1);
    s.layer->removeAnimation("fade");
    QCOMPARE(stops, 2);
}

void TestLayerAnimation::completionWaitsForEveryAnimation_data() {
    QTest::addColumn<bool>("animated");
    QTest::newRow("nothing animates: at the commit") << false;
    QTest::newRow("an inner transaction animates") << true;
}

void TestLayerAnimation::completionWaitsForEveryAnimation() {
    QFETCH(bool, animated);
    Scene s;
    int runs = 0;
    const double t0 = clockNow;
    Transaction::begin();
    Transaction::setCompletion([&] { ++runs; });
    Transaction::begin();
    Transaction::setDisableActions(!animated);
    Transaction::setAnimationDuration(0.6);
    s.layer->setOpacity(0);
    Transaction::commit();
    QCOMPARE(runs, 0);
    Transaction::commit();
    Transaction::commit(); // unbalanced: harmless
    QCOMPARE(runs, animated ? 0 : 1);
    at(t0 + 0.3);
    QCOMPARE(runs, animated ? 0 : 1);
    at(t0 + 0.7);
    QCOMPARE(runs, 1);
}

void TestLayerAnimation::animationsDirtyTheirLayerEachFrame() {
    Scene s;
    const double t0 = clockNow;
    s.layer->addAnimation(BasicAnimation("position.x", 125.0, 325.0, 1.0), "slide");
    at(t0 + 0.1);
    s.root->clearDirtyRegion();
    at(t0 + 0.2);
    const QRegion dirty = s.root->dirtyRegion();
    QVERIFY(dirty.contains(QPoint(125 + 20, 375))); // where it was drawn (y down)
    QVERIFY(dirty.contains(QPoint(125 + 40, 375))); // where it is drawn now
    QVERIFY(!dirty.contains(QPoint(300, 375)));
}

QTEST_MAIN(TestLayerAnimation)
#include "test_layer_animation.moc"
