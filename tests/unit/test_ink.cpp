// Ink: the paths each tool draws, how its layer is styled, and the numbered badge,
// checked on paths, layers and rendered pixels.
#include "layers/LayerRenderer.h"
#include "layers/TextLayer.h"
#include "overlay/Ink.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTest>
#include <cmath>
#include <limits>

namespace {
using Points = std::vector<QPointF>;

QPointF at(const QPainterPath& path, int i) {
    return path.elementAt(i);
}

bool near(QPointF a, QPointF b) {
    return QLineF(a, b).length() < 1e-9;
}

// Strokes the path the way a pen layer does (round caps and joins) onto a
// transparent 40 × 40 image.
QImage strokedWithRoundCaps(const QPainterPath& path, double width) {
    QImage image(40, 40, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(path);
    return image;
}

bool inked(const QImage& image, int x, int y) {
    return qAlpha(image.pixel(x, y)) > 200;
}
bool blank(const QImage& image, int x, int y) {
    return qAlpha(image.pixel(x, y)) == 0;
}

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

class TestInk : public QObject {
    Q_OBJECT

  private slots:
    void noPointsGiveAnEmptyPath() {
        for (Tool tool : allCases<Tool>())
            for (bool straight : {false, true})
                QVERIFY(Ink::path(tool, {}, straight, 5).isEmpty());
    }

    // A stroke that goes nowhere must still leave a round dot of the pen width.
    void aStrokeThatGoesNowhereIsADot_data() {
        QTest::addColumn<Points>("points");
        QTest::addColumn<bool>("straight");
        QTest::newRow("one point") << Points{{20, 20}} << false;
        QTest::newRow("straight, back to start") << Points{{20, 20}, {30, 5}, {20, 20}} << true;
        QTest::newRow("held still") << Points{{20, 20}, {20, 20}, {20, 20}, {20, 20}} << false;
    }
    void aStrokeThatGoesNowhereIsADot() {
        QFETCH(Points, points);
        QFETCH(bool, straight);
        const QPainterPath path = Ink::path(Tool::pen, points, straight, 10);
        QCOMPARE(path.elementCount(), 2);
        QCOMPARE(at(path, 0), QPointF(20, 20));
        QVERIFY(QLineF(at(path, 0), at(path, 1)).length() < 0.01);

        const QImage image = strokedWithRoundCaps(path, 10);
        for (const QPoint p :
             {QPoint(20, 20), QPoint(16, 20), QPoint(23, 20), QPoint(20, 16), QPoint(20, 23)})
            QVERIFY2(inked(image, p.x(), p.y()),
                     qPrintable(QStringLiteral("%1,%2").arg(p.x()).arg(p.y())));
        for (const QPoint p : {QPoint(27, 20), QPoint(13, 20), QPoint(20, 27), QPoint(25, 25)})
            QVERIFY(blank(image, p.x(), p.y()));
    }

    void straightStrokesAreOneSegment() {
        const Points many{{1, 2}, {9, 9}, {5, 70}, {30, 40}};
        const std::tuple<Tool, Points, bool> cases[] = {{Tool::pen, {{1, 2}, {30, 40}}, false},
                                                        {Tool::pen, many, true},
                                                        {Tool::highlighter, many, true},
                                                        {Tool::steps, {{1, 2}, {30, 40}}, false}};
        for (const auto& [tool, points, straight] : cases) {
            const QPainterPath path = Ink::path(tool, points, straight, 5);
            QCOMPARE(path.elementCount(), 2);
            QVERIFY(path.elementAt(0).isMoveTo() && path.elementAt(1).isLineTo());
            QCOMPARE(at(path, 0), QPointF(1, 2));
            QCOMPARE(at(path, 1), QPointF(30, 40));
        }
    }

    void aFreeStrokeRunsThroughTheMidpoints() {
        const Points points{{0, 0}, {10, 20}, {30, 10}, {50, 40}, {60, 0}};
        const QPainterPath path = Ink::path(Tool::pen, points, false, 5);
        // move, three curves of three elements each, the closing line
        QCOMPARE(path.elementCount(), 11);
        QCOMPARE(at(path, 0), points.front());
        QCOMPARE(at(path, 3), QPointF(20, 15));
        QCOMPARE(at(path, 6), QPointF(40, 25));
        QCOMPARE(at(path, 9), QPointF(55, 20));
        QVERIFY(path.elementAt(10).isLineTo());
        QCOMPARE(at(path, 10), points.back());
        // Each curve has its inner point as the quadratic control.
        QVERIFY(near(at(path, 1), QPointF(20.0 / 3, 40.0 / 3)));
        QVERIFY(near(at(path, 2), QPointF(40.0 / 3, 55.0 / 3)));
    }

    void arrowShaftAndHead_data() {
        QTest::addColumn<Points>("points");
        QTest::addColumn<double>("width");
        QTest::addColumn<QPointF>("shaftEnd");
        QTest::addColumn<QPointF>("tip");
        QTest::addColumn<double>("angle");
        QTest::newRow("to the right")
            << Points{{0, 0}, {100, 0}} << 5.0 << QPointF(79.2, 0) << QPointF(100, 0) << 0.0;
        QTest::newRow("inner points ignored") << Points{{0, 0}, {40, 90}, {-7, 3}, {100, 0}} << 5.0
                                              << QPointF(79.2, 0) << QPointF(100, 0) << 0.0;
        QTest::newRow("straight up") << Points{{10, 10}, {10, 110}} << 0.0 << QPointF(10, 103.6)
                                     << QPointF(10, 110) << M_PI / 2;
        // Back where it started: atan2(0, 0) is 0, so the shaft runs to -x.
        QTest::newRow("degenerate") << Points{{50, 50}, {80, 60}, {50, 50}} << 5.0
                                    << QPointF(29.2, 50) << QPointF(50, 50) << 0.0;
        QTest::newRow("NaN width")
            << Points{{0, 0}, {100, 0}} << std::numeric_limits<double>::quiet_NaN()
            << QPointF(79.2, 0) << QPointF(100, 0) << 0.0;
        QTest::newRow("infinite width")
            << Points{{0, 0}, {1000, 0}} << std::numeric_limits<double>::infinity()
            << QPointF(1000 - 0.8 * 728, 0) << QPointF(1000, 0) << 0.0;
    }
    void arrowShaftAndHead() {
        QFETCH(Points, points);
        QFETCH(double, width);
        QFETCH(QPointF, shaftEnd);
        QFETCH(QPointF, tip);
        QFETCH(double, angle);
        const double h = (std::isnan(width) ? 5.0 : std::min(width, 200.0)) * 3.6 + 8.0;
        for (const bool straight : {false, true}) {
            const QPainterPath path = Ink::path(Tool::arrow, points, straight, width);
            QCOMPARE(path.elementCount(), 6);
            QVERIFY(near(at(path, 0), points.front()));
            QVERIFY(near(at(path, 1), shaftEnd));
            QVERIFY(path.elementAt(2).isMoveTo());
            QVERIFY(near(at(path, 2), tip));
            const QPointF left(tip.x() - h * std::cos(angle - 0.45),
                               tip.y() - h * std::sin(angle - 0.45));
            const QPointF right(tip.x() - h * std::cos(angle + 0.45),
                                tip.y() - h * std::sin(angle + 0.45));
            QVERIFY(near(at(path, 3), left));
            QVERIFY(near(at(path, 4), right));
            QVERIFY(near(at(path, 5), tip)); // closed
            QCOMPARE(QLineF(tip, left).length(), h);
        }
    }

    void boxIsTheSameWhicheverWayItIsDragged() {
        const QRectF big(10, 20, 100, 60);
        const std::tuple<QPointF, QPointF, QRectF> cases[] = {
            {big.topLeft(), big.bottomRight(), big},
            {big.bottomRight(), big.topLeft(), big},
            {big.bottomLeft(), big.topRight(), big},
            {big.topRight(), big.bottomLeft(), big},
            {{6, 4}, {0, 0}, {0, 0, 6, 4}}}; // smaller than two corners: they shrink
        for (const auto& [from, to, rect] : cases) {
            QPainterPath expected;
            expected.addRoundedRect(rect, 8, 8);
            QCOMPARE(Ink::path(Tool::box, {from, QPointF(500, -300), to}, false, 5), expected);
        }
    }

    // A pen width of 5: the highlighter is 22 wide and see-through, the arrow's shaft 6 and
    // its head filled.
    void eachToolIsStyledForItsJob_data() {
        QTest::addColumn<Tool>("tool");
        QTest::addColumn<QColor>("stroke");
        QTest::addColumn<double>("width");
        QTest::addColumn<Qt::PenCapStyle>("cap");
        QTest::addColumn<double>("shadow");
        const QColor sky = ns(InkColor::sky);
        QTest::newRow("pen") << Tool::pen << sky << 5.0 << Qt::RoundCap << 0.25;
        QTest::newRow("highlighter")
            << Tool::highlighter << withAlpha(sky, 0.38f) << 22.0 << Qt::FlatCap << 0.0;
        QTest::newRow("arrow") << Tool::arrow << sky << 6.0 << Qt::RoundCap << 0.25;
    }
    void eachToolIsStyledForItsJob() {
        QFETCH(Tool, tool);
        QFETCH(QColor, stroke);
        QFETCH(double, width);
        QFETCH(Qt::PenCapStyle, cap);
        QFETCH(double, shadow);
        const auto layer = Ink::layer(tool, InkColor::sky, 5.0);
        QCOMPARE(layer->strokeColor().rgba64(), stroke.rgba64());
        QCOMPARE(layer->fillColor().isValid(), tool == Tool::arrow);
        if (tool == Tool::arrow) QCOMPARE(layer->fillColor().rgba64(), stroke.rgba64());
        QCOMPARE(layer->lineWidth(), width);
        QCOMPARE(layer->lineCap(), cap);
        QCOMPARE(layer->shadowOpacity(), shadow);
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
    void aSmallRepaintOfAStrokeShowsItsPartThere() {
        using Points = std::vector<QPointF>;
        const std::pair<Points, QPointF> cases[] = {
            {{{20, 50}, {120, 50}, {220, 50}}, {60, 50}},  // level
            {{{100, 5}, {100, 50}, {100, 95}}, {100, 20}}, // upright
            {{{20, 10}, {120, 50}, {220, 90}}, {70, 30}}}; // slanted
        for (const auto& [points, looked] : cases) {
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
            LayerRenderer::paint(painter, *root,
                                 QRegion(QRect(at - QPoint(10, 10), QSize(20, 20))));
            painter.end();
            QCOMPARE(image.pixelColor(at).name(), ns(InkColor::coral).name());
        }
    }

    void aBadgeIsAWhiteRingedDiscThatKeepsItsNumberAndPopsIn() {
        const LayerPtr badge = Ink::step(4, {100, 50}, InkColor::violet, 1.0);
        QCOMPARE(badge->frame(), QRectF(83, 33, 34, 34));
        QCOMPARE(badge->backgroundColor(), ns(InkColor::violet));
        QCOMPARE(badge->borderColor(), QColor(Qt::white));
        // Undo reads the number back as an integer.
        QCOMPARE(badge->value("step"), QVariant(4));
        auto* digits = dynamic_cast<TextLayer*>(badge->sublayers().at(0).get());
        QVERIFY(digits && badge->sublayers().size() == 1);
        QCOMPARE(digits->string(), QStringLiteral("4"));
        // It pops in: drawn at about a third of its size at first.
        const QRect drawn =
            boxOf(rendered(badge, {200, 100}), ns(InkColor::violet), {0, 0, 200, 100});
        QVERIFY2(drawn.width() > 4 && drawn.width() < 15,
                 qPrintable(QString::number(drawn.width())));
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
    }
    void badgeDigitsAreLegibleAndCentred() {
        QFETCH(InkColor, color);
        QFETCH(int, number);
        QFETCH(double, scale);
        QFETCH(QColor, digits);
        const LayerPtr badge = Ink::step(number, {30, 30}, color, scale);
        badge->removeAllAnimations(); // drawn at full size
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

QTEST_MAIN(TestInk)
#include "test_ink.moc"
