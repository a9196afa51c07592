// What the renderer puts on screen: upright images, text and shadows in the
// y-up tree, and partial repaints, with still layers drawn from cached
// bitmaps, that match the first (live) picture and a full repaint.
#include "LayerTestSupport.h"
#include "layers/BarLayer.h"
#include "layers/LayerRenderer.h"
#include "layers/ShapeLayer.h"
#include "layers/TextLayer.h"
#include "layers/Transaction.h"

#include <QPainter>
#include <QtTest>

namespace {
QImage halves(QColor top, QColor bottom, int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(bottom);
    QPainter(&image).fillRect(0, 0, size, size / 2, top);
    return image;
}

// A hand's outline: a fist below, a raised finger above, clear beside it.
QImage raisedFinger() {
    QImage image = halves(Qt::transparent, QColor(255, 150, 0), 20);
    QPainter painter(&image);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(0, 0, 20, 10, Qt::transparent);
    painter.fillRect(2, 0, 6, 10, Qt::yellow);
    return image;
}

// Shadows as the overlay casts them: ink, step badges, the laser dot's glow.
void castShadow(Layer& layer, QColor color, double opacity, double radius, double drop) {
    layer.setShadowColor(color);
    layer.setShadowOpacity(opacity);
    layer.setShadowRadius(radius);
    layer.setShadowOffset({0, -drop});
}

LayerPtr disc(QPointF centre, double diameter, QColor color) {
    auto disc = Layer::make();
    disc->setBounds({0, 0, diameter, diameter});
    disc->setPosition(centre);
    disc->setCornerRadius(diameter / 2);
    disc->setBackgroundColor(color);
    disc->setBorderColor(Qt::white);
    disc->setBorderWidth(diameter / 10);
    return disc;
}

// Repaints `dirty` over the last picture of `root` on white, as a frame does.
void repaintOver(QImage& screen, const Layer& root, const QRegion& dirty) {
    QPainter painter(&screen);
    painter.setClipRegion(dirty);
    painter.fillRect(screen.rect(), Qt::white);
    LayerRenderer::paint(painter, root, dirty);
}

// Cached bitmaps blend in another order than direct painting: a few levels of rounding.
int differingPixels(const QImage& a, const QImage& b) {
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            for (int shift : {0, 8, 16, 24})
                if (std::abs(int(a.pixel(x, y) >> shift & 255) -
                             int(b.pixel(x, y) >> shift & 255)) > 6) {
                    ++count;
                    break;
                }
    return count;
}
} // namespace

class TestLayerRender : public QObject {
    Q_OBJECT
  private slots:
    void imagesTextAndShadowsStayUpright_data() {
        QTest::addColumn<double>("scale");
        QTest::newRow("1x") << 1.0;
        QTest::newRow("2x, 2x image and text") << 2.0;
    }
    void imagesTextAndShadowsStayUpright() {
        QFETCH(double, scale);
        auto root = makeRoot(200, 100);
        auto picture = add(root, Layer::make());
        QImage image = halves(Qt::red, Qt::blue, int(20 * scale));
        image.setDevicePixelRatio(scale);
        picture->setFrame({10, 70, 20, 20});
        picture->setContents(image);
        picture->setContentsScale(scale);
        auto box = add(root, Layer::make());
        box->setFrame({150, 40, 40, 40});
        box->setBackgroundColor(Qt::white);
        castShadow(*box, Qt::black, 1, 2, 8);
        auto text = add(root, TextLayer::make());
        text->setFrame({60, 0, 60, 60});
        text->setString("T");
        text->setFontSize(40);
        text->setForegroundColor(Qt::black);
        text->setContentsScale(scale);
        const QImage out = LayerRenderer::renderImage(*root, scale, Qt::white);
        QCOMPARE(out.size(), QSize(int(200 * scale), int(100 * scale)));
        const auto at = [&](int x, int y) { return out.pixel(int(x * scale), int(y * scale)); };
        QCOMPARE(at(20, 13), qRgb(255, 0, 0)); // the image's top row up (y down here)
        QCOMPARE(at(20, 27), qRgb(0, 0, 255));
        QVERIFY(qGray(at(170, 65)) < 80); // the shadow falls below the box
        QCOMPARE(at(170, 15), qRgb(255, 255, 255));
        // The T hangs from the top of its layer, its bar above its stem.
        QList<int> inkInRows;
        for (int y = int(40 * scale); y < int(100 * scale); ++y) {
            int ink = 0;
            for (int x = int(60 * scale); x < int(120 * scale); ++x)
                ink += qGray(out.pixel(x, y)) < 100;
            if (ink > 0) inkInRows << ink;
        }
        QCOMPARE(at(90, 42), qRgb(255, 255, 255));
        QVERIFY(inkInRows.size() > 20 * scale && inkInRows.front() > 2 * inkInRows.back());
    }

    void partialRepaintsMatchAFullRepaint_data() {
        QTest::addColumn<double>("scale");
        QTest::addColumn<QPointF>("offset"); // of the ink and the badge
        // A box or an arrow being dragged out, large and small by turns.
        QTest::addColumn<QString>("outline");
        QTest::addColumn<double>("turn"); // of the outline
        const QPointF offGrid(0.3, -0.2);
        QTest::newRow("1x") << 1.0 << QPointF() << QString() << 0.0;
        QTest::newRow("2x, off the pixel grid") << 2.0 << offGrid << QString() << 0.0;
        QTest::newRow("box, 1x") << 1.0 << QPointF() << "box" << 0.0;
        QTest::newRow("box, 2x") << 2.0 << offGrid << "box" << 0.0;
        QTest::newRow("arrow, 1x") << 1.0 << QPointF() << "arrow" << 0.0;
        QTest::newRow("arrow, 2x") << 2.0 << offGrid << "arrow" << 0.0;
        QTest::newRow("arrow, 2x, turned") << 2.0 << offGrid << "arrow" << 0.15;
        // Two lines that meet, joined and apart by turns, their pieces unchanged.
        QTest::newRow("mitred corner, 1x") << 1.0 << QPointF() << "corner" << 0.0;
    }
    // A scene like the overlay's, moved as its frames move it: dimming with a
    // hole, shadowed ink, a step badge, a tilted stick under an image hand,
    // a glowing laser dot. Like a screen, it is too large to be one bitmap.
    void partialRepaintsMatchAFullRepaint() {
        QFETCH(double, scale);
        QFETCH(QPointF, offset);
        QFETCH(QString, outline);
        QFETCH(double, turn);
        auto root = makeRoot(640, 420);
        auto dim = add(root, ShapeLayer::make());
        dim->setFillRule(Qt::OddEvenFill);
        dim->setFillColor(QColor(0, 0, 0, 158));
        dim->setFrame(root->bounds());
        std::vector<std::shared_ptr<Counted<ShapeLayer>>> ink;
        for (int i = 0; i < 5; ++i) {
            ink.push_back(add(root, std::make_shared<Counted<ShapeLayer>>()));
            ink[i]->setFrame(root->bounds().translated(offset));
            ink[i]->setFillColor(QColor());
            ink[i]->setStrokeColor(QColor::fromRgbF(1, 0.4, 0.3));
            ink[i]->setLineWidth(5);
            castShadow(*ink[i], Qt::black, 0.25, 2, 1);
            QPainterPath path(QPointF(30 + 60 * i, 40));
            path.quadTo(60 + 60 * i, 120, 40 + 60 * i, 200);
            ink[i]->setPath(path);
        }
        const LayerPtr badge = add(root, disc(QPointF(330, 60) + offset, 34, QColor(150, 90, 240)));
        castShadow(*badge, Qt::black, 0.3, 3, 1.5);
        const auto digits = add(badge, std::make_shared<Counted<TextLayer>>());
        digits->setString("7");
        digits->setContentsScale(scale);
        digits->setFrame({0, 6, 34, 22});
        auto arm = add(root, Layer::make()), stick = add(arm, Layer::make());
        auto hand = add(arm, Layer::make());
        arm->setBounds({0, 0, 60, 80});
        arm->setAnchorPoint({0.2, 0.9});
        stick->setBounds({0, 0, 8, 5000});
        stick->setAnchorPoint({0.5, 1.0});
        stick->setPosition({40, 20});
        stick->setTransform(QTransform().rotateRadians(0.6));
        stick->setBackgroundColor(QColor(183, 129, 74));
        stick->setCornerRadius(4);
        hand->setFrame(arm->bounds());
        hand->setContents(raisedFinger());
        const LayerPtr laser = add(root, disc({330, 240}, 16, Qt::red));
        castShadow(*laser, Qt::red, 1, 10, 0);
        auto drawn = add(root, ShapeLayer::make());
        drawn->setFrame(root->bounds().translated(offset));
        drawn->setTransform(QTransform().rotateRadians(turn));
        drawn->setFillColor(outline == "arrow" ? QColor(Qt::blue) : QColor()); // the head
        drawn->setStrokeColor(Qt::blue);
        drawn->setLineWidth(6);
        drawn->setLineCap(outline == "corner" ? Qt::FlatCap : Qt::RoundCap);
        drawn->setLineJoin(outline == "corner" ? Qt::MiterJoin : Qt::RoundJoin);
        castShadow(*drawn, Qt::black, 0.8, 6, 3); // strong, so a missed edge shows
        bool large = false;
        const auto drag = [&](QPointF to) {
            const QPointF from(70, 330);
            QPainterPath path;
            if (outline == "box") {
                path.addRoundedRect(QRectF(from, to).normalized(), 8, 8);
            } else if (outline == "arrow") {
                const QPointF back = (from - to) / QLineF(from, to).length() * 30;
                path.moveTo(from);
                path.lineTo(to + back * 0.8);
                path.moveTo(to);
                path.lineTo(to + QTransform().rotate(25).map(back));
                path.lineTo(to + QTransform().rotate(-25).map(back));
                path.closeSubpath();
            } else if (outline == "corner") {
                path.moveTo(from);
                path.lineTo(300, 200);
                if (large) path.moveTo(300, 200);
                path.lineTo(500, 330);
            }
            drawn->setPath(path);
        };
        const auto place = [&](QPointF tip, double angle) {
            Transaction::begin(); // as the overlay's frames do: no implicit animations
            Transaction::setDisableActions(true);
            QPainterPath path;
            path.addRect(root->bounds());
            path.addEllipse(tip, 60, 60);
            dim->setPath(path);
            arm->setPosition(tip);
            arm->setTransform(QTransform().rotateRadians(angle));
            laser->setHidden(!laser->isHidden());
            drag(large ? QPointF(600, 40) : QPointF(110, 290));
            large = !large;
            Transaction::commit();
        };
        const auto render = [&] { return LayerRenderer::renderImage(*root, scale, Qt::white); };
        place({200, 150}, 0.36);
        QImage screen = render(); // painted live: nothing is cached yet
        const std::pair<QPointF, double> steps[] = {{{207, 150}, 0.36},
                                                    {{380, 20}, -0.2},
                                                    {{150, 100}, 0.1},
                                                    {{157, 104}, 0.5},
                                                    {{160, 104}, 0.5}};
        for (const auto& [tip, angle] : steps) {
            for (const auto& stroke : ink)
                stroke->draws = 0;
            digits->draws = 0;
            root->clearDirtyRegion();
            if (tip.x() == 150) digits->setString("8"); // painted live again, then kept anew
            place(tip, angle);
            const QRegion dirty = root->dirtyRegion();
            QVERIFY(!dirty.isEmpty());
            double area = 0;
            for (const QRect& r : dirty)
                area += r.width() * r.height();
            if (outline.isEmpty()) QVERIFY(dirty.boundingRect().width() < 400);
            // A dragged outline repaints pieces along its edges, not all it encloses.
            else if (turn == 0)
                QVERIFY(area < 0.4 * 640 * 420);
            repaintOver(screen, *root, dirty);
            QCOMPARE(differingPixels(screen, render()), 0);
        }
        // By the last frame, still ink and the still badge come from their bitmaps.
        for (const auto& stroke : ink)
            QCOMPARE(stroke->draws, 0);
        QCOMPARE(digits->draws, 0);
    }

    // A picture clear beside its raised finger (a hand) marks only where it
    // paints as it moves, level or turned, and every frame still matches.
    void aMovingPictureRepaintsWhereItPaints() {
        for (double turn : {0.0, 0.4}) {
            const auto root = makeRoot(200, 160);
            const auto hand = add(root, Layer::make());
            hand->setContents(raisedFinger());
            hand->setBounds({0, 0, 60, 80});
            hand->setTransform(QTransform().rotateRadians(turn));
            hand->setPosition({60, 60});
            const auto render = [&] { return LayerRenderer::renderImage(*root, 1, Qt::white); };
            QImage screen = render();
            for (const QPointF to : {QPointF(75, 64), QPointF(120, 90), QPointF(118, 91)}) {
                root->clearDirtyRegion();
                Transaction::begin();
                Transaction::setDisableActions(true);
                hand->setPosition(to);
                Transaction::commit();
                const QRegion dirty = root->dirtyRegion();
                repaintOver(screen, *root, dirty);
                QCOMPARE(differingPixels(screen, render()), 0);
                // Beside the finger, up and to the right (y down here).
                if (turn == 0)
                    QVERIFY(!dirty.contains(QPointF(to.x() + 18, 160 - to.y() - 28).toPoint()));
            }
        }
    }

    // A bar painted from its distance to its middle line looks like the same
    // rounded rectangle painted the generic way: edges within antialiasing,
    // round ends, the border inside, across turns, flips and scales.
    void barsLookLikeRoundedRectangles() {
        for (double scale : {1.0, 2.0})
            for (double angle : {0.0, 0.36, -1.2, 1.5708, 2.9}) {
                const auto render = [&](LayerPtr bar) {
                    const auto root = Layer::make();
                    root->setBounds({0, 0, 160, 160});
                    root->setPosition({80, 80});
                    bar->setBounds({0, 0, 9, 120});
                    bar->setAnchorPoint({0.5, 0.5});
                    bar->setPosition({80.3, 79.6});
                    bar->setCornerRadius(4.5);
                    bar->setBorderWidth(1.5);
                    bar->setBackgroundColor(QColor(190, 130, 70));
                    bar->setBorderColor(QColor(105, 70, 40, 200));
                    bar->setTransform(QTransform().rotateRadians(angle));
                    root->addSublayer(bar);
                    return LayerRenderer::renderImage(*root, scale, Qt::white);
                };
                const QImage direct = render(BarLayer::make()), generic = render(Layer::make());
                int off = 0;
                for (int y = 0; y < direct.height(); ++y)
                    for (int x = 0; x < direct.width(); ++x)
                        off += qGray(direct.pixel(x, y)) - qGray(generic.pixel(x, y)) > 48 ||
                               qGray(generic.pixel(x, y)) - qGray(direct.pixel(x, y)) > 48;
                QVERIFY2(
                    off == 0,
                    qPrintable(
                        QString("%1 pixels off at %2 rad, %3x").arg(off).arg(angle).arg(scale)));
            }
    }
};

QTEST_MAIN(TestLayerRender)
#include "test_layer_render.moc"
