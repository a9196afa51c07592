// Damage and culling of the layer tree (y up; dirty regions are y down).
#include "LayerTestSupport.h"
#include "layers/LayerRenderer.h"
#include "layers/ShapeLayer.h"

#include <QPainter>
#include <QtTest>

namespace {
constexpr double W = 3840, H = 2160;

template <typename L = Counted<Layer>> std::shared_ptr<L> box(QRectF frame, QColor color) {
    auto box = std::make_shared<L>();
    box->setFrame(frame);
    box->setBackgroundColor(color);
    return box;
}

QPainterPath dimming(QPointF hole) {
    QPainterPath path;
    path.addRect(QRectF(0, 0, W, H));
    path.addEllipse(hole, 150, 150);
    return path;
}
} // namespace

class TestLayerTree : public QObject {
    Q_OBJECT
  private slots:
    void changesDirtyWhatTheyTouchAndPaintNothingElse_data() {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QPointF>("touched");   // a root point to repaint, unless null
        QTest::addColumn<QPointF>("untouched"); // one not to
        QTest::addColumn<qint64>("mostArea");
        const qint64 box = 14 * 14; // a 10-point box with a pixel of margin all round
        QTest::newRow("move") << "move" << QPointF(200, 100) << QPointF(150, 100) << 2 * box;
        for (const char* change : {"hide", "fade out", "recolour"})
            QTest::newRow(change) << change << QPointF(100, 100) << QPointF(120, 100) << box;
        QTest::newRow("same values") << "same" << QPointF() << QPointF(100, 100) << qint64(0);
        // Its bounding box covers much of the screen; the strip along it is far less.
        QTest::newRow("tilted stick moves")
            << "stick" << QPointF(1903, 1790) << QPointF(2500, 1700) << qint64(W * H / 20);
        // Swaying, its old and new strips cross: more rectangles than are kept
        // one by one, yet still far less than the box around both.
        QTest::newRow("tilted stick sways")
            << "sway" << QPointF(1903, 1790) << QPointF(2500, 1700) << qint64(W * H / 20);
        // The changed subpath, not the screen-sized rectangle around it.
        QTest::newRow("hole moves in the dimming")
            << "hole" << QPointF(1000, 1000) << QPointF(2000, 1000) << qint64(400 * 400);
    }
    void changesDirtyWhatTheyTouchAndPaintNothingElse() {
        QFETCH(QString, change);
        QFETCH(QPointF, touched);
        QFETCH(QPointF, untouched);
        QFETCH(qint64, mostArea);
        auto root = makeRoot(W, H);
        auto dim = add(root, ShapeLayer::make());
        dim->setFrame(root->bounds());
        dim->setFillRule(Qt::OddEvenFill);
        dim->setFillColor(QColor(0, 0, 0, 158));
        dim->setPath(dimming({1000, 1000}));
        // Still ink away from the changes, in its container as on screen.
        auto ink = add(root, box<Layer>(root->bounds(), QColor()));
        std::vector<std::shared_ptr<Counted<Layer>>> items;
        for (int i = 0; i < 300; ++i)
            items.push_back(
                add(ink, box({i % 30 * 45 + 100., i / 30 * 60 + 1500., 40, 40}, Qt::blue)));
        auto red = add(root, box({95, 95, 10, 10}, Qt::red));
        auto stick = add(root, box({0, 0, 9, 5000}, Qt::darkYellow));
        stick->setAnchorPoint({0.5, 1.0});
        stick->setPosition({1900, 1800});
        stick->setTransform(QTransform().rotateRadians(0.36));
        root->clearDirtyRegion();
        if (change == "move") red->setPosition({200, 100});
        if (change == "hide") red->setHidden(true);
        if (change == "fade out") red->setOpacity(0);
        if (change == "recolour") red->setBackgroundColor(Qt::blue);
        if (change == "stick") stick->setPosition({1907, 1800});
        if (change == "sway") {
            stick->setPosition({1930, 1800});
            stick->setTransform(QTransform().rotateRadians(0.30));
        }
        if (change == "hole") dim->setPath(dimming({1010, 1000}));
        if (change == "same") {
            red->setPosition(red->position());
            red->setBackgroundColor(QColor(Qt::red));
            red->setOpacity(1.0);
            red->setTransform(QTransform());
            dim->setPath(dimming({1000, 1000}));
        }
        const QRegion dirty = root->dirtyRegion();
        const auto yDown = [](QPointF p) { return QPoint(int(p.x()), int(H - p.y())); };
        if (!touched.isNull()) QVERIFY(dirty.contains(yDown(touched)));
        if (change == "move") QVERIFY(dirty.contains(yDown({100, 100}))); // where it was
        QVERIFY(!dirty.contains(yDown(untouched)));
        qint64 area = 0;
        for (const QRect& r : dirty)
            area += qint64(r.width()) * r.height();
        QVERIFY2(area <= mostArea, qPrintable(QString::number(area)));
        // Repainting that paints what changed, and none of the ink.
        QImage screen(int(W), int(H), QImage::Format_ARGB32_Premultiplied);
        QPainter painter(&screen);
        LayerRenderer::paint(painter, *root, dirty);
        QCOMPARE(red->draws, change == "move" || change == "recolour" ? 1 : 0);
        for (const auto& item : items)
            QCOMPARE(item->draws, 0);
    }
};

QTEST_MAIN(TestLayerTree)
#include "test_layer_tree.moc"
