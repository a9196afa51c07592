// What the renderer puts on screen: upright images and text, shape colours,
// shadows, partial repaints that match a full one, and still subtrees drawn
// from one bitmap.
#include "layers/Layer.h"
#include "layers/LayerRenderer.h"
#include "layers/ShapeLayer.h"
#include "layers/TextLayer.h"

#include <QFont>
#include <QPainter>
#include <QtTest>

namespace {
LayerPtr makeRoot(double w, double h) {
    auto root = Layer::make();
    root->setBounds({0, 0, w, h});
    root->setMasksToBounds(true);
    return root;
}

QImage halves(QColor top, QColor bottom) {
    QImage image(20, 20, QImage::Format_ARGB32_Premultiplied);
    image.fill(bottom);
    QPainter(&image).fillRect(0, 0, 20, 10, top);
    return image;
}

// A scene like the overlay's: dimming with a hole, ink with shadows, a tilted
// stick and an image hand, a glowing laser dot.
struct Overlay {
    LayerPtr root = makeRoot(400, 300);
    std::shared_ptr<ShapeLayer> dim = ShapeLayer::make();
    LayerPtr arm = Layer::make(), stick = Layer::make(), hand = Layer::make();
    LayerPtr laser = Layer::make();

    Overlay() {
        dim->setFillRule(Qt::OddEvenFill);
        dim->setFillColor(QColor(0, 0, 0, 158));
        dim->setFrame(root->bounds());
        root->addSublayer(dim);
        for (int i = 0; i < 5; ++i) {
            auto ink = ShapeLayer::make();
            ink->setFrame(root->bounds());
            ink->setFillColor(QColor());
            ink->setStrokeColor(QColor::fromRgbF(1, 0.4, 0.3));
            ink->setLineWidth(5);
            ink->setLineCap(Qt::RoundCap);
            ink->setLineJoin(Qt::RoundJoin);
            ink->setShadowOpacity(0.25);
            ink->setShadowRadius(2);
            ink->setShadowOffset({0, -1});
            QPainterPath path;
            path.moveTo(30 + 60 * i, 40);
            path.quadTo(60 + 60 * i, 120, 40 + 60 * i, 200);
            ink->setPath(path);
            root->addSublayer(ink);
        }
        arm->setBounds({0, 0, 60, 80});
        arm->setAnchorPoint({0.2, 0.9});
        stick->setBounds({0, 0, 8, 5000});
        stick->setAnchorPoint({0.5, 1.0});
        stick->setPosition({40, 20});
        stick->setTransform(QTransform().rotateRadians(0.6));
        stick->setBackgroundColor(QColor(183, 129, 74));
        stick->setCornerRadius(4);
        stick->setBorderWidth(1.5);
        stick->setBorderColor(QColor(100, 70, 40));
        hand->setFrame(arm->bounds());
        hand->setContents(halves(Qt::yellow, QColor(255, 150, 0)));
        hand->setContentsScale(1);
        arm->addSublayer(stick);
        arm->addSublayer(hand);
        root->addSublayer(arm);
        laser->setBounds({0, 0, 16, 16});
        laser->setCornerRadius(8);
        laser->setBackgroundColor(QColor::fromRgbF(1, 0.16, 0.2));
        laser->setBorderColor(QColor(255, 255, 255, 217));
        laser->setBorderWidth(2);
        laser->setShadowColor(Qt::red);
        laser->setShadowOpacity(1);
        laser->setShadowRadius(10);
        laser->setShadowOffset({0, 0});
        laser->setPosition({330, 240});
        root->addSublayer(laser);
        for (const LayerPtr& l : std::initializer_list<LayerPtr>{dim, arm, stick, hand, laser})
            l->disableImplicitAnimations({"position", "bounds", "transform", "path", "hidden",
                                          "contents", "opacity", "frame"});
        place({200, 150}, 0.36);
    }
    void place(QPointF tip, double angle) {
        QPainterPath path;
        path.addRect(root->bounds());
        path.addEllipse(tip, 60, 60);
        dim->setPath(path);
        arm->setPosition(tip);
        arm->setTransform(QTransform().rotateRadians(angle));
    }
};

// A step badge: a round, bordered, shadowed layer with its number in a text
// sublayer, on a painted root too large to be kept as a bitmap itself.
struct Badge {
    LayerPtr root = makeRoot(700, 500);
    LayerPtr disc = Layer::make();
    std::shared_ptr<TextLayer> digits = TextLayer::make();

    Badge(QPointF centre, double scale) {
        root->setBackgroundColor(Qt::white);
        disc->setBounds({0, 0, 34, 34});
        disc->setPosition(centre);
        disc->setCornerRadius(17);
        disc->setBackgroundColor(QColor(150, 90, 240));
        disc->setBorderColor(Qt::white);
        disc->setBorderWidth(3);
        disc->setShadowOpacity(0.3);
        disc->setShadowOffset({0, -1.5});
        digits->setString("7");
        digits->setFontSize(17);
        digits->setAlignment(Qt::AlignHCenter);
        digits->setContentsScale(scale);
        digits->setFrame({0, 6, 34, 22});
        disc->addSublayer(digits);
        root->addSublayer(disc);
    }
};

int differingPixels(const QImage& a, const QImage& b, int tolerance) {
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            if (std::abs(qRed(p) - qRed(q)) > tolerance ||
                std::abs(qGreen(p) - qGreen(q)) > tolerance ||
                std::abs(qBlue(p) - qBlue(q)) > tolerance ||
                std::abs(qAlpha(p) - qAlpha(q)) > tolerance)
                ++count;
        }
    return count;
}
} // namespace

class TestLayerRender : public QObject {
    Q_OBJECT
  private slots:
    void imagesStayUpright_data();
    void imagesStayUpright();
    void shapeFillAndStrokeColours();
    void shadowFallsBelowWithNegativeOffset();
    void textIsLegibleAndNotMirrored();
    void partialRepaintsMatchAFullRepaint();
    void stillSubtreeIsDrawnFromItsBitmap_data();
    void stillSubtreeIsDrawnFromItsBitmap();
    void animatedSubtreeIsDrawnLive_data();
    void animatedSubtreeIsDrawnLive();
    void renderImageRejectsNonsense();
};

void TestLayerRender::imagesStayUpright_data() {
    QTest::addColumn<double>("scale");
    QTest::addColumn<double>("contentsScale");
    QTest::newRow("1x") << 1.0 << 1.0;
    QTest::newRow("2x output, 2x image") << 2.0 << 2.0;
}

void TestLayerRender::imagesStayUpright() {
    QFETCH(double, scale);
    QFETCH(double, contentsScale);
    auto root = makeRoot(40, 40);
    auto picture = Layer::make();
    QImage image =
        halves(Qt::red, Qt::blue).scaled(int(20 * contentsScale), int(20 * contentsScale));
    image.setDevicePixelRatio(contentsScale);
    picture->setFrame({10, 10, 20, 20});
    picture->setContents(image);
    picture->setContentsScale(contentsScale);
    root->addSublayer(picture);
    const QImage out = LayerRenderer::renderImage(*root, scale, Qt::white);
    QCOMPARE(out.size(), QSize(int(40 * scale), int(40 * scale)));
    QCOMPARE(out.pixelColor(int(20 * scale), int(13 * scale)), QColor(Qt::red));  // top row up
    QCOMPARE(out.pixelColor(int(20 * scale), int(27 * scale)), QColor(Qt::blue)); // bottom down
    QCOMPARE(out.pixelColor(int(5 * scale), int(5 * scale)), QColor(Qt::white));
}

void TestLayerRender::shapeFillAndStrokeColours() {
    auto root = makeRoot(100, 100);
    auto shape = ShapeLayer::make();
    shape->setFrame(root->bounds());
    QPainterPath square;
    square.addRect(QRectF(20, 50, 40, 40)); // y up: the upper part of the picture
    shape->setPath(square);
    shape->setFillColor(Qt::green);
    shape->setStrokeColor(Qt::black);
    shape->setLineWidth(6);
    root->addSublayer(shape);
    const QImage out = LayerRenderer::renderImage(*root, 1.0, Qt::white);
    QCOMPARE(out.pixelColor(40, 30), QColor(Qt::green)); // inside, in Qt's y-down
    QCOMPARE(out.pixelColor(20, 30), QColor(Qt::black)); // on the left edge
    QCOMPARE(out.pixelColor(40, 80), QColor(Qt::white)); // below the shape
}

void TestLayerRender::shadowFallsBelowWithNegativeOffset() {
    auto root = makeRoot(100, 100);
    auto box = Layer::make();
    box->setFrame({30, 40, 40, 40});
    box->setBackgroundColor(Qt::white);
    box->setShadowOpacity(1);
    box->setShadowRadius(2);
    box->setShadowOffset({0, -8});
    root->addSublayer(box);
    const QImage out = LayerRenderer::renderImage(*root, 1.0, Qt::white);
    QVERIFY(qGray(out.pixel(50, 65)) < 80);   // just below the box: dark
    QVERIFY(qGray(out.pixel(50, 15)) == 255); // above it: nothing
}

void TestLayerRender::textIsLegibleAndNotMirrored() {
    auto root = makeRoot(120, 40);
    auto text = TextLayer::make();
    text->setFrame({0, 0, 120, 40});
    text->setString("Rpq7");
    QFont font;
    font.setWeight(QFont::Black);
    text->setFont(font);
    text->setFontSize(28);
    text->setForegroundColor(Qt::black);
    root->addSublayer(text);
    const QImage out = LayerRenderer::renderImage(*root, 1.0, Qt::white)
                           .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    // The same text drawn by QPainter directly, top-left aligned.
    QImage expected(120, 40, QImage::Format_ARGB32_Premultiplied);
    expected.fill(Qt::white);
    expected.setDotsPerMeterX(2835);
    expected.setDotsPerMeterY(2835);
    {
        QPainter p(&expected);
        p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
        font.setPointSizeF(28);
        p.setFont(font);
        p.setPen(Qt::black);
        p.drawText(QRectF(0, 0, 120, 40), Qt::AlignLeft | Qt::AlignTop, "Rpq7");
    }
    int ink = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 120; ++x)
            ink += qGray(expected.pixel(x, y)) < 128;
    QVERIFY(ink > 100);
    QVERIFY2(differingPixels(out, expected, 60) < ink / 10,
             qPrintable(QString::number(differingPixels(out, expected, 60))));
    QVERIFY(differingPixels(out.mirrored(false, true), expected, 60) > ink / 3);
}

void TestLayerRender::partialRepaintsMatchAFullRepaint() {
    Overlay scene;
    QImage screen = LayerRenderer::renderImage(*scene.root, 1.0, Qt::white);
    const QString png = qEnvironmentVariable("HANDWICK_LAYER_SCENE_PNG");
    struct Step {
        QPointF tip;
        double angle;
    };
    for (const Step& step : {Step{{207, 150}, 0.36}, Step{{380, 20}, -0.2}, Step{{150, 100}, 0.1},
                             Step{{157, 104}, 0.5}}) {
        scene.root->clearDirtyRegion();
        scene.place(step.tip, step.angle);
        scene.laser->setHidden(!scene.laser->isHidden());
        const QRegion dirty = scene.root->dirtyRegion();
        QVERIFY(!dirty.isEmpty());
        QVERIFY(qint64(dirty.boundingRect().width()) * dirty.boundingRect().height() < 400 * 300);
        {
            QPainter painter(&screen);
            painter.setClipRegion(dirty);
            painter.setCompositionMode(QPainter::CompositionMode_Source);
            painter.fillRect(screen.rect(), Qt::white);
            painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
            LayerRenderer::paint(painter, *scene.root, dirty);
        }
        const QImage full = LayerRenderer::renderImage(*scene.root, 1.0, Qt::white);
        // Cached bitmaps blend in a different order: a few levels of rounding.
        QCOMPARE(differingPixels(screen, full, 6), 0);
    }
    if (!png.isEmpty()) screen.save(png);
}

void TestLayerRender::stillSubtreeIsDrawnFromItsBitmap_data() {
    QTest::addColumn<double>("scale");
    QTest::addColumn<QPointF>("centre");
    QTest::newRow("1x") << 1.0 << QPointF(100, 100);
    QTest::newRow("2x, off the pixel grid") << 2.0 << QPointF(100.3, 99.6);
}

void TestLayerRender::stillSubtreeIsDrawnFromItsBitmap() {
    QFETCH(double, scale);
    QFETCH(QPointF, centre);
    Badge badge(centre, scale);
    int digitPaints = 0;
    LayerRenderer::setPaintObserver(
        [&](const Layer& l) { digitPaints += &l == badge.digits.get(); });
    const auto render = [&] { return LayerRenderer::renderImage(*badge.root, scale, Qt::white); };
    // Layer by layer at first; a second look at the same picture keeps it.
    const QImage live = render();
    render();
    digitPaints = 0;
    QCOMPARE(differingPixels(render(), live, 6), 0);
    QCOMPARE(digitPaints, 0);
    // A new number is painted again, and the next bitmap shows it.
    badge.digits->setString("8");
    const QImage changed = render();
    LayerRenderer::setPaintObserver(nullptr);
    QVERIFY(digitPaints > 0);
    QVERIFY(differingPixels(changed, live, 6) > 20);
    render();
    QCOMPARE(differingPixels(render(), changed, 6), 0);
}

void TestLayerRender::animatedSubtreeIsDrawnLive_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<double>("value");
    QTest::newRow("popping in") << "transform.scale" << 0.6;
    QTest::newRow("fading out") << "opacity" << 0.4;
}

void TestLayerRender::animatedSubtreeIsDrawnLive() {
    QFETCH(QString, key);
    QFETCH(double, value);
    // Held at `value` by a long animation, and a still badge set to it.
    Badge animated({100, 100}, 1.0), still({100, 100}, 1.0);
    animated.disc->addAnimation(BasicAnimation(key, value, value, 60.0), "hold");
    if (key == "opacity")
        still.disc->setOpacity(value);
    else
        still.disc->setTransform(QTransform::fromScale(value, value));
    int digitPaints = 0;
    LayerRenderer::setPaintObserver(
        [&](const Layer& l) { digitPaints += &l == animated.digits.get(); });
    QImage shown, expected;
    for (int i = 0; i < 3; ++i) {
        shown = LayerRenderer::renderImage(*animated.root, 1.0, Qt::white);
        expected = LayerRenderer::renderImage(*still.root, 1.0, Qt::white);
    }
    LayerRenderer::setPaintObserver(nullptr);
    animated.disc->removeAllAnimations();
    QCOMPARE(digitPaints, 3);
    QCOMPARE(differingPixels(shown, expected, 6), 0);
}

void TestLayerRender::renderImageRejectsNonsense() {
    auto root = makeRoot(100, 100);
    QVERIFY(LayerRenderer::renderImage(*root, 0.0).isNull());
    QVERIFY(LayerRenderer::renderImage(*root, NAN).isNull());
    QVERIFY(LayerRenderer::renderImage(*Layer::make(), 1.0).isNull());
}

QTEST_MAIN(TestLayerRender)
#include "test_layer_render.moc"
