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
    void changesDirtyWhatTheyTouch_data();
    void changesDirtyWhatTheyTouch();
    void tiltedStickDirtiesAStripNotItsBox();
    void pathChangesDirtyTheChange_data();
    void pathChangesDirtyTheChange();
    void addAndRemoveDirtyTheSubtree();
    void layerOutsideRegionIsNotPainted();
    void cyclesAreRefused();
    void badNumbersAreIgnored();
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

void TestLayerTree::changesDirtyWhatTheyTouch_data() {
    QTest::addColumn<QString>("change");
    for (const char* change : {"move", "hide", "transparent", "recolour", "same values"})
        QTest::newRow(change) << QString(change);
}

void TestLayerTree::changesDirtyWhatTheyTouch() {
    QFETCH(QString, change);
    auto root = makeRoot();
    auto box = makeBox({95, 95, 10, 10});
    auto shape = ShapeLayer::make();
    QPainterPath circle;
    circle.addEllipse(QRectF(0, 0, 30, 30));
    shape->setPath(circle);
    root->addSublayer(box);
    root->addSublayer(shape);
    const auto apply = [&](bool undo) {
        if (change == "move") box->setPosition(undo ? QPointF(100, 100) : QPointF(200, 100));
        if (change == "hide") box->setHidden(!undo);
        if (change == "transparent") box->setOpacity(undo ? 1 : 0);
        if (change == "recolour") box->setBackgroundColor(undo ? Qt::red : Qt::blue);
        if (change == "same values") {
            box->setPosition(box->position());
            box->setBackgroundColor(QColor(Qt::red));
            box->setOpacity(1.0);
            box->setHidden(false);
            box->setTransform(QTransform());
            shape->setPath(circle);
            shape->setFillColor(Qt::black);
        }
    };
    const QRect place(95, 895, 10, 10); // y down
    for (bool undo : {false, true}) {
        root->clearDirtyRegion();
        apply(undo);
        const QRegion dirty = root->dirtyRegion();
        if (change == "same values") {
            QVERIFY(dirty.isEmpty());
            continue;
        }
        QVERIFY(dirty.contains(place));
        QVERIFY(area(dirty) <= 2 * 14 * 14); // old and new place, a pixel of margin each
        if (change == "move") {
            QVERIFY(dirty.contains(QRect(195, 895, 10, 10)));
            QVERIFY(!dirty.contains(QPoint(150, 900))); // nothing between
        }
    }
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

void TestLayerTree::pathChangesDirtyTheChange_data() {
    QTest::addColumn<QPainterPath>("before");
    QTest::addColumn<QPainterPath>("after");
    QTest::addColumn<bool>("filled");
    QTest::addColumn<QPointF>("changedAt");
    QPainterPath dim, moved;
    dim.addRect(QRectF(0, 0, 3840, 2160));
    moved = dim;
    dim.addEllipse(QPointF(1000, 1000), 150, 150);
    moved.addEllipse(QPointF(1010, 1000), 150, 150);
    QTest::newRow("moving hole in the dimming") << dim << moved << true << QPointF(1000, 1000);
    QPainterPath stroke;
    stroke.moveTo(100, 100);
    for (int i = 1; i < 100; ++i)
        stroke.lineTo(100 + 20 * i, 100 + (i % 2) * 30);
    QPainterPath longer = stroke;
    longer.lineTo(2100, 160);
    QTest::newRow("growing stroke") << stroke << longer << false << QPointF(2090, 150);
}

void TestLayerTree::pathChangesDirtyTheChange() {
    QFETCH(QPainterPath, before);
    QFETCH(QPainterPath, after);
    QFETCH(bool, filled);
    QFETCH(QPointF, changedAt);
    auto root = makeRoot(3840, 2160);
    auto shape = ShapeLayer::make();
    shape->disableImplicitAnimations({"path"}); // as the overlay does: no lag
    shape->setFrame(root->bounds());
    shape->setFillRule(Qt::OddEvenFill);
    shape->setFillColor(filled ? QColor(0, 0, 0, 158) : QColor());
    shape->setStrokeColor(filled ? QColor() : QColor(Qt::red));
    shape->setLineWidth(5);
    shape->setPath(before);
    root->addSublayer(shape);
    root->clearDirtyRegion();
    shape->setPath(after);
    const QRect box = root->dirtyRegion().boundingRect();
    QVERIFY2(box.width() < 400 && box.height() < 400,
             qPrintable(QString("%1x%2").arg(box.width()).arg(box.height())));
    QVERIFY(box.contains(root->rootToQt(changedAt).toPoint()));
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

QTEST_MAIN(TestLayerTree)
#include "test_layer_tree.moc"
