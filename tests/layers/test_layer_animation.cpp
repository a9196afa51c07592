// Transactions, implicit and explicit animations on a fake media clock.
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

// A layer whose presented (drawn) values can be read.
struct Probe : Layer {
    double shown(const char* key) const { return presentedValue(key).toDouble(); }
};

// A 50-point box centred on (125, 125) in a 500-point root, already on show.
struct Scene {
    LayerPtr root = Layer::make();
    std::shared_ptr<Probe> layer = std::make_shared<Probe>();
    Scene() {
        root->setBounds({0, 0, 500, 500});
        layer->setFrame({100, 100, 50, 50});
        layer->setBackgroundColor(Qt::red);
        root->addSublayer(layer);
        Transaction::flush(); // as a turn of the event loop would
    }
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

    void implicitAnimationsAndCompletions_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("animates");
        QTest::newRow("allowed") << "allowed" << true;
        QTest::newRow("actions disabled") << "disabled" << false;
        QTest::newRow("action table says no") << "table" << false;
        QTest::newRow("added in the same transaction") << "added" << false;
        QTest::newRow("added in this turn of the event loop") << "turn" << false;
    }
    void implicitAnimationsAndCompletions() {
        QFETCH(QString, how);
        QFETCH(bool, animates);
        Scene s;
        auto layer = how == "added" || how == "turn" ? std::make_shared<Probe>() : s.layer;
        if (how == "turn") s.root->addSublayer(layer); // no flush: the event loop has not turned
        if (how == "table") layer->disableImplicitAnimations({"opacity"});
        int completions = 0;
        const double t0 = clockNow;
        Transaction::begin();
        Transaction::setCompletion([&] { ++completions; });
        Transaction::begin(); // an inner transaction's animation holds the outer completion too
        Transaction::setDisableActions(how == "disabled");
        Transaction::setAnimationDuration(0.6);
        if (how == "added") s.root->addSublayer(layer);
        layer->setOpacity(0.0);
        Transaction::commit();
        Transaction::commit();
        Transaction::commit();           // unbalanced: harmless
        QCOMPARE(layer->opacity(), 0.0); // the model changes at once
        QCOMPARE(completions, animates ? 0 : 1);
        at(t0 + 0.3);
        QCOMPARE(LayerAnimator::hasRunningAnimations(), animates);
        QCOMPARE(layer->shown("opacity") > 0.05 && layer->shown("opacity") < 0.95, animates);
        QCOMPARE(completions, animates ? 0 : 1);
        at(t0 + 0.61);
        QCOMPARE(layer->shown("opacity"), 0.0);
        QCOMPARE(completions, 1);
        QVERIFY(!LayerAnimator::hasRunningAnimations());
    }

    void animationsFollowTheMediaClock_data() {
        QTest::addColumn<bool>("spring");
        QTest::addColumn<QList<QPointF>>("scaleAt"); // (seconds, scale shown)
        // The tap ring's group, eased out by the cubic (0, 0, 0.58, 1) over
        // 0.45 s, solved independently.
        QTest::newRow("tap ring") << false
                                  << QList<QPointF>{{0, 0.25},
                                                    {0.1125, 0.25 + 1.25 * 0.378138},
                                                    {0.225, 0.25 + 1.25 * 0.684643}};
        // The step badge's spring (damping 11) overshoots, and settles within a second.
        QTest::newRow("badge pop") << true << QList<QPointF>{{0, 0.3}, {0.3, 1.055548}};
    }
    void animationsFollowTheMediaClock() {
        QFETCH(bool, spring);
        QFETCH(QList<QPointF>, scaleAt);
        Scene s;
        SpringAnimation pop("transform.scale", 0.3, 1.0);
        pop.damping = 11;
        AnimationGroup tap;
        tap.add(BasicAnimation("transform.scale", 0.25, 1.5));
        tap.add(BasicAnimation("opacity", 1.0, 0.0));
        tap.duration = 0.45;
        tap.timing = Timing::EaseOut;
        const double length = spring ? pop.settlingDuration() : 0.45;
        if (spring) QVERIFY2(length > 0.7 && length < 1.0, qPrintable(QString::number(length)));
        const double t0 = clockNow;
        Transaction::begin();
        Transaction::setCompletion([&] { s.layer->removeFromSuperlayer(); });
        s.layer->addAnimation(spring ? static_cast<const Animation&>(pop) : tap, "pop");
        Transaction::commit();
        for (const QPointF& sample : scaleAt) {
            s.root->clearDirtyRegion();
            at(t0 + sample.x());
            const double scale = s.layer->shown("transform.scale");
            QVERIFY2(std::abs(scale - sample.y()) < 1e-4, qPrintable(QString::number(scale)));
            if (!spring) QVERIFY(std::abs(s.layer->shown("opacity") - (1.5 - scale) / 1.25) < 1e-4);
            // The frame repaints where the box is drawn now (y down).
            QVERIFY(s.root->dirtyRegion().contains(QPoint(int(125 + 24 * scale), 375)));
        }
        at(t0 + length - 1e-3);
        QVERIFY(std::abs(s.layer->shown("transform.scale") - (spring ? 1.0 : 1.5)) < 0.01);
        QCOMPARE(s.layer->superlayer(), s.root.get());
        at(t0 + length + 1e-3);
        QCOMPARE(s.layer->superlayer(), nullptr); // the completion took it away
        QVERIFY(!LayerAnimator::hasRunningAnimations());
    }
};

QTEST_MAIN(TestLayerAnimation)
#include "test_layer_animation.moc"
