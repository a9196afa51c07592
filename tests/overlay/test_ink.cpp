// What each tool draws, checked on rendered pixels rather than path internals,
// and the numbered badge.
#include "layers/LayerAnimator.h"
#include "layers/LayerRenderer.h"
#include "layers/MediaClock.h"
#include "layers/TextLayer.h"
#include "overlay/Ink.h"

#include <QImage>
#include <QPainter>
#include <QTest>

namespace {
using Points = std::vector<QPointF>;

// `layer` drawn over white in a 240 × 120 root at `scale` (y up, so row = 120 - y),
// or at scale 1 only within `area` (y down), as a small repaint draws it.
QImage rendered(const LayerPtr& layer, double scale = 1.0, const QRect& area = {}) {
    auto root = Layer::make();
    root->setBounds({0, 0, 240, 120});
    root->setPosition({120, 60});
    layer->setFrame(layer->frame().isEmpty() ? root->bounds() : layer->frame());
    root->addSublayer(layer);
    if (area.isEmpty()) return LayerRenderer::renderImage(*root, scale, Qt::white);
    QImage image(240, 120, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    LayerRenderer::paint(painter, *root, QRegion(area));
    return image;
}

// Coral ink (not its soft shadow) at `p`, in points, y up, scale 1.
bool inked(const QImage& image, QPointF p) {
    const QColor c = image.pixelColor(int(p.x()), int(120 - p.y())), ink = ns(InkColor::coral);
    return std::abs(c.red() - ink.red()) + std::abs(c.green() - ink.green()) +
               std::abs(c.blue() - ink.blue()) <
           90;
}

QImage stroke(Tool tool, const Points& points, bool straight = false, double width = 5) {
    auto layer = Ink::layer(tool, InkColor::coral, width);
    layer->setPath(Ink::path(tool, points, straight, width));
    return rendered(layer);
}
} // namespace

class TestInk : public QObject {
    Q_OBJECT

  private slots:
    // Qt drops a zero-length segment: a stroke that goes nowhere must still leave a dot.
    void aStrokeThatGoesNowhereIsARoundDot() {
        for (const auto& [points, straight] : {std::pair{Points{{50, 50}}, false},
                                               {Points{{50, 50}, {80, 20}, {50, 50}}, true},
                                               {Points{{50, 50}, {50, 50}, {50, 50}}, false}}) {
            const QImage image = stroke(Tool::pen, points, straight, 10);
            QVERIFY(inked(image, {50, 50}) && inked(image, {46, 50}) && inked(image, {50, 53}));
            QVERIFY(!inked(image, {57, 50}) && !inked(image, {50, 43}));
        }
        for (Tool tool : allCases<Tool>())
            QVERIFY(Ink::path(tool, {}, false, 5).isEmpty());
    }

    void straightModeIgnoresTheWayThere() {
        const Points zigzag{{20, 20}, {60, 100}, {100, 20}, {140, 100}, {180, 20}};
        QVERIFY(inked(stroke(Tool::pen, zigzag), {55, 70})); // curving towards the corners
        const QImage straight = stroke(Tool::pen, zigzag, true);
        QVERIFY(!inked(straight, {55, 70}) && inked(straight, {100, 20}));
    }

    void theArrowHasAFilledHeadAtTheEndAndTheBoxIsTheSameEitherWay() {
        const QImage arrow = stroke(Tool::arrow, {{20, 60}, {90, 10}, {200, 60}});
        QVERIFY(inked(arrow, {20, 60}) && inked(arrow, {110, 60}) && !inked(arrow, {90, 10}));
        QVERIFY(inked(arrow, {185, 66}) && inked(arrow, {185, 54})); // the head is wide
        QVERIFY(!inked(arrow, {40, 66}));                            // the shaft is not
        QPainterPath box = Ink::path(Tool::box, {{10, 20}, {500, -300}, {110, 80}}, false, 5);
        QCOMPARE(box, Ink::path(Tool::box, {{110, 20}, {10, 80}}, false, 5));
        QCOMPARE(box.boundingRect(), QRectF(10, 20, 100, 60));
    }

    void eachToolIsStyledForItsJob() {
        const auto pen = Ink::layer(Tool::pen, InkColor::sky, 5);
        const auto marker = Ink::layer(Tool::highlighter, InkColor::sky, 5);
        QVERIFY(marker->lineWidth() > 4 * pen->lineWidth() && marker->strokeColor().alphaF() < 0.5);
        QVERIFY(pen->shadowOpacity() > 0 && pen->shadowOffset().y() < 0); // below, y up
        // A growing stroke follows the pointer, and a fading one goes at once.
        QVERIFY(!pen->allowsImplicitAnimation("path") && !pen->allowsImplicitAnimation("opacity"));
    }

    // The hand passing over fresh ink repaints a small area: the part of a level,
    // upright or collinear stroke there must come back.
    void aSmallRepaintOfAStrokeShowsItsPartThere() {
        for (const auto& [points, looked] :
             {std::pair{Points{{20, 50}, {120, 50}, {220, 50}}, QPointF(60, 50)},
              {Points{{100, 5}, {100, 50}, {100, 95}}, QPointF(100, 20)},
              {Points{{20, 10}, {120, 50}, {220, 90}}, QPointF(70, 30)}}) {
            auto layer = Ink::layer(Tool::pen, InkColor::coral, 5.0);
            layer->setPath(Ink::path(Tool::pen, points, false, 5.0));
            const QPoint at(int(looked.x()), int(120 - looked.y()));
            const QImage image = rendered(layer, 1, QRect(at - QPoint(10, 10), QSize(20, 20)));
            QCOMPARE(image.pixelColor(at).name(), ns(InkColor::coral).name());
        }
    }

    // A stroke grows move by move while the window repaints only what changed
    // over its last picture, a few moves a frame, the hand passing over it now and then; Shift
    // straightens it for a while. Every move builds the path a stroke of
    // those points has, and the picture at the end is the stroke painted at once, pixel for pixel.
    void aStrokeDrawnMoveByMoveLooksLikeOnePaintedAtOnce_data() {
        QTest::addColumn<Tool>("tool");
        QTest::addColumn<double>("scale");
        QTest::newRow("pen") << Tool::pen << 1.0;
        QTest::newRow("pen, scale 2") << Tool::pen << 2.0;
        QTest::newRow("highlighter") << Tool::highlighter << 1.0;
        QTest::newRow("highlighter, scale 1.5") << Tool::highlighter << 1.5;
    }
    void aStrokeDrawnMoveByMoveLooksLikeOnePaintedAtOnce() {
        QFETCH(Tool, tool);
        QFETCH(double, scale);
        const auto root = Layer::make();
        // Large enough for the stroke to outgrow its first bitmaps.
        root->setBounds({0, 0, 960, 480});
        root->setPosition({480, 240});
        root->setBackgroundColor(Qt::white); // leaves the painter turned upside down
        const auto layer = Ink::layer(tool, InkColor::coral, 5);
        layer->setFrame(root->bounds());
        root->addSublayer(layer);
        QImage canvas(QSize(960, 480) * scale, QImage::Format_ARGB32_Premultiplied);
        canvas.setDevicePixelRatio(scale);
        canvas.fill(Qt::transparent);

        Points points{{20, 20}};
        Ink::StrokeBuilder builder(points[0]);
        for (int i = 1; i < 160; ++i) {
            // A zig-zag whose legs cross back over the ones before.
            points.push_back({20 + 40.0 * (i % 20 < 10 ? i % 10 : 10 - i % 10) * (1 + i / 40) / 2,
                              20 + 2.4 * i + 100 * std::sin(i / 7.0)});
            const bool straight = i >= 60 && i < 64;
            const int kept = builder.add(points.back(), straight);
            QCOMPARE(builder.path(), Ink::path(tool, points, straight, 5));
            layer->extendPath(builder.path(), kept);
            if (i % 3 != 1) continue; // a frame takes in several moves
            QRegion damage = root->dirtyRegion();
            if (i % 7 == 0) damage += QRect(int(points.back().x()) - 120, 40, 240, 200); // the hand
            root->clearDirtyRegion();
            QPainter painter(&canvas);
            LayerRenderer::repaint(painter, *root, damage);
        }
        // The button goes up before the next frame paints the last moves.
        layer->finishGrowing();
        {
            QPainter painter(&canvas);
            LayerRenderer::repaint(painter, *root, root->dirtyRegion());
        }
        root->clearDirtyRegion();

        const auto atOnce = Ink::layer(tool, InkColor::coral, 5);
        atOnce->setPath(Ink::path(tool, points, false, 5));
        const auto fresh = Layer::make();
        fresh->setBounds(root->bounds());
        fresh->setPosition(root->position());
        fresh->setBackgroundColor(Qt::white);
        atOnce->setFrame(fresh->bounds());
        fresh->addSublayer(atOnce);
        QImage expected = LayerRenderer::renderImage(*fresh, scale);
        QCOMPARE(canvas, expected); // pixel for pixel
        // Finished, it paints like any stroke, from whatever bitmaps the
        // renderer keeps once it holds still.
        for (int frame = 0; frame < 3; ++frame) {
            QPainter painter(&canvas), also(&expected);
            LayerRenderer::repaint(painter, *root, QRegion(canvas.rect()));
            LayerRenderer::repaint(also, *fresh, QRegion(canvas.rect()));
        }
        QCOMPARE(canvas, expected);
    }

    // An arrow or a box dragged out is painted straight into the picture while
    // it follows the pointer, repainting only what each frame changed: after
    // many moves it looks like the shape painted the usual way, to within
    // edge smoothing and a soft shadow's few levels, and once the button goes
    // up, exactly like it.
    void aDraggedShapeLooksLikeThePaintedOne_data() {
        QTest::addColumn<Tool>("tool");
        QTest::addColumn<double>("scale");
        QTest::newRow("arrow") << Tool::arrow << 1.0;
        QTest::newRow("arrow, scale 2") << Tool::arrow << 2.0;
        QTest::newRow("box") << Tool::box << 1.0;
        QTest::newRow("box, scale 1.5") << Tool::box << 1.5;
    }
    void aDraggedShapeLooksLikeThePaintedOne() {
        QFETCH(Tool, tool);
        QFETCH(double, scale);
        const auto scene = [](const LayerPtr& layer) {
            const auto root = Layer::make();
            root->setBounds({0, 0, 480, 320});
            root->setPosition({240, 160});
            root->setBackgroundColor(Qt::white);
            layer->setFrame(root->bounds());
            root->addSublayer(layer);
            return root;
        };
        const auto layer = Ink::layer(tool, InkColor::coral, 5);
        const auto root = scene(layer);
        QImage canvas(QSize(480, 320) * scale, QImage::Format_ARGB32_Premultiplied);
        canvas.setDevicePixelRatio(scale);
        canvas.fill(Qt::transparent);
        Points points{{240, 160}};
        for (int i = 1; i <= 60; ++i) {
            // Round and round the start, growing, passing back over itself.
            points.push_back({240 + (20 + 3.1 * i) * std::cos(i / 4.0),
                              160 + (10 + 2.3 * i) * std::sin(i / 4.0)});
            layer->dragPath(Ink::path(tool, points, false, 5));
            if (i % 2) continue; // a frame takes in two moves
            QPainter painter(&canvas);
            LayerRenderer::repaint(painter, *root, root->dirtyRegion());
            root->clearDirtyRegion();
        }
        const auto painted = Ink::layer(tool, InkColor::coral, 5);
        painted->setPath(Ink::path(tool, points, false, 5));
        const QImage expected = LayerRenderer::renderImage(*scene(painted), scale);
        int off = 0;
        for (int y = 0; y < canvas.height(); ++y)
            for (int x = 0; x < canvas.width(); ++x)
                off += std::abs(qGray(canvas.pixel(x, y)) - qGray(expected.pixel(x, y))) > 40;
        QVERIFY2(off == 0, qPrintable(QString("%1 pixels off").arg(off)));

        layer->finishGrowing();
        QPainter painter(&canvas);
        LayerRenderer::repaint(painter, *root, root->dirtyRegion());
        painter.end();
        QCOMPARE(canvas, expected);
    }

    // Dragging a box's corner a little repaints around the two edges that
    // moved, not the corner that stays, nor the inside.
    void aBoxDraggedByACornerRepaintsNearTheEdgesThatMoved() {
        const auto root = Layer::make();
        root->setBounds({0, 0, 480, 320});
        root->setPosition({240, 160});
        const auto box = Ink::layer(Tool::box, InkColor::coral, 5);
        box->setFrame(root->bounds());
        root->addSublayer(box);
        box->dragPath(Ink::path(Tool::box, {{40, 40}, {400, 280}}, false, 5));
        root->clearDirtyRegion();
        box->dragPath(Ink::path(Tool::box, {{40, 40}, {404, 283}}, false, 5));
        const QRegion dirty = root->dirtyRegion(); // y down
        QVERIFY(dirty.contains(QPoint(404, 320 - 160)) && dirty.contains(QPoint(220, 320 - 283)));
        QVERIFY(!dirty.contains(QPoint(40, 320 - 40)) && !dirty.contains(QPoint(40, 320 - 160)));
        QVERIFY(!dirty.contains(QPoint(220, 320 - 160)));
    }

    // Dark digits on the light colours, white on the others, centred on the disc.
    void badgeDigitsAreLegibleAndCentred() {
        for (const auto& [color, number, digits] :
             {std::tuple{InkColor::coral, 1, QColor(Qt::white)},
              {InkColor::lime, 10, QColor(Qt::black)}}) {
            double now = 1;
            MediaClock::setSource([&] { return now; });
            const LayerPtr badge = Ink::step(number, {60, 60}, color, 2.0);
            QCOMPARE(badge->frame(), QRectF(43, 43, 34, 34));
            QCOMPARE(badge->value("step"), QVariant(number)); // undo reads it back
            QCOMPARE(dynamic_cast<TextLayer*>(badge->sublayers().at(0).get())->foregroundColor(),
                     digits);
            now = 10; // popped in
            LayerAnimator::advance();
            const QImage image = rendered(badge, 2.0);
            MediaClock::setSource(nullptr);
            QRect box;
            for (int y = 2 * 47; y < 2 * 73; ++y)
                for (int x = 2 * 47; x < 2 * 73; ++x) {
                    const QColor p = image.pixelColor(x, y);
                    if (std::abs(p.red() - digits.red()) + std::abs(p.green() - digits.green()) +
                            std::abs(p.blue() - digits.blue()) <
                        60)
                        box |= QRect(x, y, 1, 1);
                }
            QVERIFY(box.height() >= 18);
            QVERIFY(std::abs(QRectF(box).center().x() / 2 - 60) <= 1.5);
            QVERIFY(std::abs(QRectF(box).center().y() / 2 - 60) <= 2.0);
        }
    }
};

QTEST_MAIN(TestInk)
#include "test_ink.moc"
