// Geometry, damage and culling of the layer tree.
#include "layers/Layer.h"
#include "layers/LayerRenderer.h"
#include "layers/ShapeLayer.h"

#include <QImage>
#include <QPainter>
#include <QtTest>
#include <cmath>

namespace {
LayerPtr makeRoot(double w = 1000, double h = 1000) {
    auto root = Layer::make();
    root->setBounds({0, 0, w, h});
    root->setPosition({w / 2, h / 2});
    return root;
}

LayerPtr makeBox(QRectF frame, QColor color = Qt::red) {
    auto box = Layer::make();
    box->setFrame(frame);
    box->setBackgroundColor(color);
    return box;
}

qint64 area(const QRegion& region) {
    qint64 sum = 0;
    for (const QRect& r : region)
        sum += qint64(r.width()) * r.height();
    return sum;
}
} // namespace

class TestLayerTree : public QObject {
    Q_OBJECT
  private slots:
    void geometryMapsToRoot_data();
    void geometryMapsToRoot();
    void sublayerOfTurnedLayer();
    void rootToQtFlipsOnce();
    void movedLayerDirtiesOldAndNewOnly();
    void unchangedValuesDirtyNothing();
    void visibilityChangesDirty_data();
    void visibilityChangesDirty();
    void tiltedStickDirtiesAStripNotItsBox();
    void movingHoleDirtiesTheHoleNotTheScreen();
    void growingStrokeDirtiesItsEnd();
    void addAndRemoveDirtyTheSubtree();
    void layerOutsideRegionIsNotPainted();
    void cyclesAreRefused();
    void badNumbersAreIgnored();
    void keyValueStore();
};

void TestLayerTree::geometryMapsToRoot_data() {
    QTest::addColumn<QRectF>("bounds");
    QTest::addColumn<QPointF>("anchor");
    QTest::addColumn<QPointF>("position");
    QTest::addColumn<double>("degrees");
    QTest::addColumn<QRectF>("frame");
    QTest::newRow("centred anchor") << QRectF(0, 0, 100, 50) << QPointF(0.5, 0.5)
                                    << QPointF(200, 100) << 0.0 << QRectF(150, 75, 100, 50);
    QTest::newRow("corner anchor") << QRectF(0, 0, 100, 50) << QPointF(0, 0) << QPointF(200, 100)
                                   << 0.0 << QRectF(200, 100, 100, 50);
    QTest::newRow("bounds origin shifts content")
        << QRectF(20, 10, 100, 50) << QPointF(0, 0) << QPointF(200, 100) << 0.0
        << QRectF(200, 100, 100, 50);
    QTest::newRow("quarter turn about centre")
        << QRectF(0, 0, 100, 50) << QPointF(0.5, 0.5) << QPointF(200, 100) << 90.0
        << QRectF(175, 50, 50, 100);
    QTest::newRow("quarter turn about top middle")
        << QRectF(0, 0, 10, 100) << QPointF(0.5, 1.0) << QPointF(0, 0) << 90.0
        << QRectF(0, -5, 100, 10);
}

void TestLayerTree::geometryMapsToRoot() {
    QFETCH(QRectF, bounds);
    QFETCH(QPointF, anchor);
    QFETCH(QPointF, position);
    QFETCH(double, degrees);
    QFETCH(QRectF, frame);
    auto root = makeRoot();
    auto layer = Layer::make();
    layer->setBounds(bounds);
    layer->setAnchorPoint(anchor);
    layer->setPosition(position);
    layer->setTransform(QTransform().rotate(degrees));
    root->addSublayer(layer);
    const QRectF got = layer->toRootTransform().mapRect(bounds);
    QVERIFY2(std::abs(got.x() - frame.x()) < 1e-9 && std::abs(got.y() - frame.y()) < 1e-9 &&
                 std::abs(got.width() - frame.width()) < 1e-9 &&
                 std::abs(got.height() - frame.height()) < 1e-9,
             qPrintable(QString("got %1,%2 %3x%4")
                            .arg(got.x())
                            .arg(got.y())
                            .arg(got.width())
                            .arg(got.height())));
    QVERIFY(std::abs(layer->frame().width() - frame.width()) < 1e-9);
}

void TestLayerTree::sublayerOfTurnedLayer() {
    auto root = makeRoot();
    auto parent = Layer::make();
    parent->setBounds({0, 0, 100, 100});
    parent->setPosition({500, 500});
    parent->setTransform(QTransform().rotate(90)); // counter-clockwise, y up
    auto child = Layer::make();
    child->setBounds({0, 0, 10, 10});
    child->setPosition({100, 50}); // the middle of the parent's right edge
    parent->addSublayer(child);
    root->addSublayer(parent);
    const QPointF centre = child->mapToRoot({5, 5});
    QVERIFY(std::abs(centre.x() - 500) < 1e-9);
    QVERIFY(std::abs(centre.y() - 550) < 1e-9); // the right edge turned to the top
}

void TestLayerTree::rootToQtFlipsOnce() {
    auto root = makeRoot(800, 600);
    QCOMPARE(root->rootToQt(QPointF(10, 0)), QPointF(10, 600));
    QCOMPARE(root->rootToQt(QRectF(10, 500, 20, 100)), QRectF(10, 0, 20, 100));
}

void TestLayerTree::movedLayerDirtiesOldAndNewOnly() {
    auto root = makeRoot();
    auto box = makeBox({95, 95, 10, 10});
    root->addSublayer(box);
    root->clearDirtyRegion();
    box->setPosition({200, 100});
    const QRegion dirty = root->dirtyRegion();
    QVERIFY(dirty.contains(QRect(95, 895, 10, 10)));  // old place, y down
    QVERIFY(dirty.contains(QRect(195, 895, 10, 10))); // new place
    QVERIFY(!dirty.contains(QPoint(150, 900)));       // nothing between
    QVERIFY(area(dirty) <= 2 * 14 * 14);
}

void TestLayerTree::unchangedValuesDirtyNothing() {
    auto root = makeRoot();
    auto box = makeBox({95, 95, 10, 10});
    auto shape = ShapeLayer::make();
    QPainterPath path;
    path.addEllipse(QRectF(0, 0, 30, 30));
    shape->setPath(path);
    root->addSublayer(box);
    root->addSublayer(shape);
    root->clearDirtyRegion();
    box->setPosition(box->position());
    box->setBackgroundColor(QColor(Qt::red));
    box->setOpacity(1.0);
    box->setHidden(false);
    box->setTransform(QTransform());
    shape->setPath(path);
    shape->setFillColor(Qt::black);
    QVERIFY(root->dirtyRegion().isEmpty());
}

void TestLayerTree::visibilityChangesDirty_data() {
    QTest::addColumn<int>("change");
    QTest::newRow("hide") << 0;
    QTest::newRow("transparent") << 1;
    QTest::newRow("recolour") << 2;
}

void TestLayerTree::visibilityChangesDirty() {
    QFETCH(int, change);
    auto root = makeRoot();
    auto box = makeBox({95, 95, 10, 10});
    root->addSublayer(box);
    root->clearDirtyRegion();
    if (change == 0) box->setHidden(true);
    if (change == 1) box->setOpacity(0);
    if (change == 2) box->setBackgroundColor(Qt::blue);
    QVERIFY(root->dirtyRegion().contains(QRect(95, 895, 10, 10)));
    root->clearDirtyRegion();
    if (change == 0) box->setHidden(false);
    if (change == 1) box->setOpacity(1);
    if (change == 2) box->setBackgroundColor(Qt::red);
    QVERIFY(root->dirtyRegion().contains(QRect(95, 895, 10, 10)));
}

void TestLayerTree::tiltedStickDirtiesAStripNotItsBox() {
    auto root = makeRoot(3840, 2160);
    auto stick = Layer::make();
    stick->setBounds({0, 0, 9, 5000});
    stick->setAnchorPoint({0.5, 1.0});
    stick->setBackgroundColor(Qt::darkYellow);
    stick->setPosition({1900, 1800});
    stick->setTransform(QTransform().rotateRadians(0.36));
    root->addSublayer(stick);
    root->clearDirtyRegion();
    stick->setPosition({1907, 1800});
    const qint64 dirty = area(root->dirtyRegion());
    // Its box on screen is about 700 x 1800 points; the strip along it is far less.
    QVERIFY2(dirty < 3840 * 2160 / 20, qPrintable(QString::number(dirty)));
    QVERIFY(root->dirtyRegion().contains(root->rootToQt(QPointF(1903, 1790)).toPoint()));
}

void TestLayerTree::movingHoleDirtiesTheHoleNotTheScreen() {
    auto root = makeRoot(3840, 2160);
    auto dim = ShapeLayer::make();
    dim->disableImplicitAnimations({"path"}); // as the overlay does: no lag
    dim->setFrame(root->bounds());
    dim->setFillRule(Qt::OddEvenFill);
    dim->setFillColor(QColor(0, 0, 0, 158));
    auto withHole = [](QPointF centre) {
        QPainterPath path;
        path.addRect(QRectF(0, 0, 3840, 2160));
        path.addEllipse(centre, 150, 150);
        return path;
    };
    dim->setPath(withHole({1000, 1000}));
    root->addSublayer(dim);
    root->clearDirtyRegion();
    dim->setPath(withHole({1010, 1000}));
    const QRect box = root->dirtyRegion().boundingRect();
    QVERIFY2(box.width() < 400 && box.height() < 400,
             qPrintable(QString("%1x%2").arg(box.width()).arg(box.height())));
    QVERIFY(box.contains(root->rootToQt(QPointF(1000, 1000)).toPoint()));
}

void TestLayerTree::growingStrokeDirtiesItsEnd() {
    auto root = makeRoot(3840, 2160);
    auto stroke = ShapeLayer::make();
    stroke->disableImplicitAnimations({"path"});
    stroke->setFrame(root->bounds());
    stroke->setFillColor(QColor());
    stroke->setStrokeColor(Qt::red);
    stroke->setLineWidth(5);
    QPainterPath path;
    path.moveTo(100, 100);
    for (int i = 1; i < 100; ++i)
        path.lineTo(100 + 20 * i, 100 + (i % 2) * 30);
    stroke->setPath(path);
    root->addSublayer(stroke);
    root->clearDirtyRegion();
    path.lineTo(2100, 160);
    stroke->setPath(path);
    const QRect box = root->dirtyRegion().boundingRect();
    QVERIFY2(box.width() < 100, qPrintable(QString::number(box.width())));
}

void TestLayerTree::addAndRemoveDirtyTheSubtree() {
    auto root = makeRoot();
    auto group = Layer::make();
    group->setFrame({0, 0, 1000, 1000});
    group->addSublayer(makeBox({10, 10, 10, 10}));
    group->addSublayer(makeBox({500, 500, 10, 10}));
    root->addSublayer(group);
    const QRegion added = root->dirtyRegion();
    QVERIFY(added.contains(QRect(10, 980, 10, 10)));
    QVERIFY(added.contains(QRect(500, 490, 10, 10)));
    QVERIFY(!added.contains(QPoint(250, 750))); // the empty container paints nothing
    root->clearDirtyRegion();
    group->removeFromSuperlayer();
    QVERIFY(root->dirtyRegion().contains(QRect(500, 490, 10, 10)));
    QVERIFY(group->superlayer() == nullptr);
}

void TestLayerTree::layerOutsideRegionIsNotPainted() {
    auto root = makeRoot(3840, 2160);
    auto ink = Layer::make();
    ink->setFrame(root->bounds());
    root->addSublayer(ink);
    for (int i = 0; i < 300; ++i)
        ink->addSublayer(makeBox({double(i % 30) * 100 + 500, double(i / 30) * 100 + 500, 40, 40}));
    auto hand = makeBox({100, 100, 180, 220}, Qt::yellow);
    root->addSublayer(hand);
    int painted = 0;
    const Layer* last = nullptr;
    LayerRenderer::setPaintObserver([&](const Layer& l) {
        ++painted;
        last = &l;
    });
    QImage image(3840, 2160, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    root->clearDirtyRegion();
    hand->setPosition({197, 210});
    LayerRenderer::paint(painter, *root, root->dirtyRegion());
    LayerRenderer::setPaintObserver(nullptr);
    QCOMPARE(painted, 1);
    QCOMPARE(last, hand.get());
}

void TestLayerTree::cyclesAreRefused() {
    auto a = Layer::make();
    auto b = Layer::make();
    a->addSublayer(b);
    b->addSublayer(a);
    a->addSublayer(a);
    QCOMPARE(a->superlayer(), nullptr);
    QCOMPARE(b->superlayer(), a.get());
    QCOMPARE(a->sublayers().size(), size_t(1));
    // Re-adding moves within the same superlayer.
    auto c = Layer::make();
    a->addSublayer(c);
    a->insertSublayer(c, 0);
    QCOMPARE(a->sublayers().front(), c);
    QCOMPARE(a->sublayers().size(), size_t(2));
}

void TestLayerTree::badNumbersAreIgnored() {
    auto layer = Layer::make();
    layer->setPosition({1, 2});
    layer->setPosition({NAN, 3});
    layer->setOpacity(INFINITY);
    layer->setOpacity(7);
    layer->setBounds({0, 0, NAN, 1});
    QCOMPARE(layer->position(), QPointF(1, 2));
    QCOMPARE(layer->opacity(), 1.0);
    QCOMPARE(layer->bounds(), QRectF());
}

void TestLayerTree::keyValueStore() {
    auto badge = Layer::make();
    QVERIFY(!badge->value("step").isValid());
    badge->setValue("step", 3);
    QCOMPARE(badge->value("step").toInt(), 3);
    badge->setValue("step", QVariant());
    QVERIFY(!badge->value("step").isValid());
}

QTEST_MAIN(TestLayerTree)
#include "test_layer_tree.moc"
