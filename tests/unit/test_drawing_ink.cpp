// The ink layers: how each tool's stroke is styled, and the numbered badge,
// checked on the layers and on rendered pixels.
#include "layers/LayerRenderer.h"
#include "layers/TextLayer.h"
#include "overlay/Ink.h"

#include <QDir>
#include <QPainter>
#include <QTest>

Q_DECLARE_METATYPE(std::vector<QPointF>)

namespace {
QColor withAlpha(QColor c, float alpha) {
    c.setAlphaF(alpha);
    return c;
}

// A white root of the given size with `layer` in it, rendered at `scale`.
QImage rendered(const LayerPtr& layer, QSizeF size, double scale = 1.0) {
    auto root = Layer::make();
    root->setBounds({{0, 0}, size});
    root->setPosition({size.width() / 2, size.height() / 2});
    root->addSublayer(layer);
    QImage image = LayerRenderer::renderImage(*root, scale, Qt::white);
    layer->removeFromSuperlayer();
    return image;
}

// Pictures for looking at by eye, when asked for.
void keep(const QImage& image, const QString& name) {
    const QString dir = qEnvironmentVariable("HANDWICK_LOOK_DIR");
    if (!dir.isEmpty() && QDir().mkpath(dir)) image.save(dir + "/" + name + ".png");
}

// The bounding box (in pixels) of the pixels close to `colour` inside `area`.
QRect boxOf(const QImage& image, QColor colour, const QRect& area) {
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor p = image.pixelColor(x, y);
            if (std::abs(p.red() - colour.red()) + std::abs(p.green() - colour.green()) +
                    std::abs(p.blue() - colour.blue()) <
                60)
                box |= QRect(x, y, 1, 1);
        }
    return box;
}
} // namespace

class TestDrawingInk : public QObject {
    Q_OBJECT

  private slots:
    void eachToolIsStyledForItsJob_data() {
        QTest::addColumn<Tool>("tool");
        QTest::addColumn<QColor>("stroke");
        QTest::addColumn<QColor>("fill");
        QTest::addColumn<double>("width");
        QTest::addColumn<Qt::PenCapStyle>("cap");
        QTest::addColumn<double>("shadow");
        const QColor sky = ns(InkColor::sky);
        // A pen width of 5: the highlighter is 22 wide, the arrow's shaft 6.
        QTest::newRow("pen") << Tool::pen << sky << QColor() << 5.0 << Qt::RoundCap << 0.25;
        QTest::newRow("highlighter")
            << Tool::highlighter << withAlpha(sky, 0.38f) << QColor() << 22.0 << Qt::FlatCap << 0.0;
        QTest::newRow("arrow") << Tool::arrow << sky << sky << 6.0 << Qt::RoundCap << 0.25;
        QTest::newRow("box") << Tool::box << sky << QColor() << 5.0 << Qt::RoundCap << 0.25;
        QTest::newRow("steps") << Tool::steps << sky << QColor() << 5.0 << Qt::RoundCap << 0.25;
    }
    void eachToolIsStyledForItsJob() {
        QFETCH(Tool, tool);
        QFETCH(QColor, stroke);
        QFETCH(QColor, fill);
        QFETCH(double, width);
        QFETCH(Qt::PenCapStyle, cap);
        QFETCH(double, shadow);
        const auto layer = Ink::layer(tool, InkColor::sky, 5.0);
        QCOMPARE(layer->strokeColor().rgba64(), stroke.rgba64());
        QCOMPARE(layer->fillColor().isValid(), fill.isValid());
        if (fill.isValid()) QCOMPARE(layer->fillColor().rgba64(), fill.rgba64());
        QCOMPARE(layer->lineWidth(), width);
        QCOMPARE(layer->lineCap(), cap);
        QCOMPARE(layer->lineJoin(), Qt::RoundJoin);
        QCOMPARE(layer->shadowOpacity(), shadow);
        QCOMPARE(layer->shadowColor(), QColor(Qt::black));
        QCOMPARE(layer->shadowRadius(), 2.0);
        QCOMPARE(layer->shadowOffset(), QPointF(0, -1.0)); // below, y up
        // A growing stroke must follow the pointer, and a fading one go at once.
        QVERIFY(!layer->allowsImplicitAnimation("path"));
        QVERIFY(!layer->allowsImplicitAnimation("opacity"));
    }

    void aStoredPenWidthThatMakesNoSenseDrawsTheDefault() {
        QCOMPARE(Ink::layer(Tool::pen, InkColor::coral, qQNaN())->lineWidth(), 5.0);
        QCOMPARE(Ink::layer(Tool::pen, InkColor::coral, qInf())->lineWidth(), 200.0);
        QCOMPARE(Ink::layer(Tool::highlighter, InkColor::coral, -3)->lineWidth(), 0.0);
    }

    // The hand passing over fresh ink repaints a small area of it: the part
    // there must come back, also where the smoothed curve runs straight.
    void aSmallRepaintOfAStrokeShowsItsPartThere_data() {
        QTest::addColumn<std::vector<QPointF>>("points");
        QTest::addColumn<QPointF>("looked");
        QTest::newRow("level") << std::vector<QPointF>{{20, 50}, {120, 50}, {220, 50}}
                               << QPointF(60, 50);
        QTest::newRow("upright") << std::vector<QPointF>{{100, 5}, {100, 50}, {100, 95}}
                                 << QPointF(100, 20);
        QTest::newRow("slanted") << std::vector<QPointF>{{20, 10}, {120, 50}, {220, 90}}
                                 << QPointF(70, 30);
    }
    void aSmallRepaintOfAStrokeShowsItsPartThere() {
        QFETCH(std::vector<QPointF>, points);
        QFETCH(QPointF, looked);
        auto root = Layer::make();
        root->setBounds({0, 0, 240, 100});
        root->setPosition({120, 50});
        auto stroke = Ink::layer(Tool::pen, InkColor::coral, 5.0);
        stroke->setFrame(root->bounds());
        stroke->setPath(Ink::path(Tool::pen, points, false, 5.0));
        root->addSublayer(stroke);
        QImage image(240, 100, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        QPainter painter(&image);
        const QPoint at(int(looked.x()), int(100 - looked.y()));
        LayerRenderer::paint(painter, *root, QRegion(QRect(at - QPoint(10, 10), QSize(20, 20))));
        painter.end();
        QCOMPARE(image.pixelColor(at).name(), ns(InkColor::coral).name());
    }

    void aBadgeIsAWhiteRingedDiscThatKeepsItsNumberAndPopsIn() {
        const LayerPtr badge = Ink::step(4, {100, 50}, InkColor::violet, 1.0);
        QCOMPARE(badge->frame(), QRectF(83, 33, 34, 34));
        QCOMPARE(badge->cornerRadius(), 17.0);
        QCOMPARE(badge->backgroundColor(), ns(InkColor::violet));
        QCOMPARE(badge->borderColor(), QColor(Qt::white));
        QCOMPARE(badge->borderWidth(), 3.0);
        QCOMPARE(badge->shadowOpacity(), 0.3);
        QCOMPARE(badge->shadowRadius(), 3.0);
        QCOMPARE(badge->shadowOffset(), QPointF(0, -1.5));
        // Undo reads the number back as an integer.
        QCOMPARE(badge->value("step"), QVariant(4));
        auto* digits = dynamic_cast<TextLayer*>(badge->sublayers().at(0).get());
        QVERIFY(digits && badge->sublayers().size() == 1);
        QCOMPARE(digits->string(), QStringLiteral("4"));
        QCOMPARE(digits->fontSize(), 17.0);
        QCOMPARE(digits->frame(), QRectF(0, 6, 34, 22));
        const auto* pop = dynamic_cast<const SpringAnimation*>(badge->animationForKey("pop"));
        QVERIFY(pop);
        QCOMPARE(pop->keyPath, QStringLiteral("transform.scale"));
        QCOMPARE(pop->from.toDouble(), 0.3);
        QCOMPARE(pop->to.toDouble(), 1.0);
        QCOMPARE(pop->damping, 11.0);
        // The fade relies on the badge's own implicit opacity animation.
        QVERIFY(badge->allowsImplicitAnimation("opacity"));
    }

    // Dark digits on the light colours, white on the others; one or two
    // digits sit in the middle of the disc at any scale.
    void badgeDigitsAreLegibleAndCentred_data() {
        QTest::addColumn<InkColor>("color");
        QTest::addColumn<int>("number");
        QTest::addColumn<double>("scale");
        QTest::addColumn<QColor>("digits");
        QTest::newRow("coral 1") << InkColor::coral << 1 << 2.0 << QColor(Qt::white);
        QTest::newRow("sun 7") << InkColor::sun << 7 << 2.0 << QColor(Qt::black);
        QTest::newRow("lime 10") << InkColor::lime << 10 << 2.0 << QColor(Qt::black);
        QTest::newRow("sky 23") << InkColor::sky << 23 << 1.0 << QColor(Qt::white);
        QTest::newRow("violet 88") << InkColor::violet << 88 << 2.0 << QColor(Qt::white);
        QTest::newRow("ink 5") << InkColor::ink << 5 << 1.0 << QColor(Qt::white);
    }
    void badgeDigitsAreLegibleAndCentred() {
        QFETCH(InkColor, color);
        QFETCH(int, number);
        QFETCH(double, scale);
        QFETCH(QColor, digits);
        const LayerPtr badge = Ink::step(number, {30, 30}, color, scale);
        badge->removeAnimation("pop");
        auto* text = dynamic_cast<TextLayer*>(badge->sublayers().front().get());
        QCOMPARE(text->foregroundColor(), digits);
        QCOMPARE(text->contentsScale(), scale);
        const QImage image = rendered(badge, {60, 60}, scale);
        keep(image, QStringLiteral("badge-%1-%2").arg(rawValue(color)).arg(number));
        // Inside the white ring (3 points) only the digits have their colour.
        const int s = int(scale);
        const QRect inner(int((13 + 4) * s), int((13 + 4) * s), 26 * s, 26 * s);
        const QRect box = boxOf(image, digits, inner);
        QVERIFY2(!box.isEmpty(), "no digits drawn");
        QVERIFY(box.height() >= 9 * s); // a 17-point digit is about 12 points tall
        const QPointF centre = QRectF(box).center() / scale;
        QVERIFY2(std::abs(centre.x() - 30) <= 1.5, qPrintable(QString::number(centre.x())));
        QVERIFY2(std::abs(centre.y() - 30) <= 2.0, qPrintable(QString::number(centre.y())));
    }
};

QTEST_MAIN(TestDrawingInk)
#include "test_drawing_ink.moc"
