#include "overlay/Ink.h"

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
} // namespace

class TestInk : public QObject {
    Q_OBJECT

  private slots:
    void noPointsGiveAnEmptyPath_data() {
        QTest::addColumn<Tool>("tool");
        for (Tool tool : allCases<Tool>())
            QTest::newRow(qPrintable(rawValue(tool))) << tool;
    }
    void noPointsGiveAnEmptyPath() {
        QFETCH(Tool, tool);
        QVERIFY(Ink::path(tool, {}, false, 5).isEmpty());
        QVERIFY(Ink::path(tool, {}, true, 5).isEmpty());
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

    void straightStrokesAreOneSegment_data() {
        QTest::addColumn<Tool>("tool");
        QTest::addColumn<Points>("points");
        QTest::addColumn<bool>("straight");
        QTest::newRow("two points") << Tool::pen << Points{{1, 2}, {30, 40}} << false;
        QTest::newRow("two points, straight") << Tool::pen << Points{{1, 2}, {30, 40}} << true;
        QTest::newRow("many, straight")
            << Tool::pen << Points{{1, 2}, {9, 9}, {5, 70}, {30, 40}} << true;
        QTest::newRow("highlighter")
            << Tool::highlighter << Points{{1, 2}, {9, 9}, {5, 70}, {30, 40}} << true;
        QTest::newRow("steps") << Tool::steps << Points{{1, 2}, {30, 40}} << false;
    }
    void straightStrokesAreOneSegment() {
        QFETCH(Tool, tool);
        QFETCH(Points, points);
        QFETCH(bool, straight);
        const QPainterPath path = Ink::path(tool, points, straight, 5);
        QCOMPARE(path.elementCount(), 2);
        QVERIFY(path.elementAt(0).isMoveTo());
        QVERIFY(path.elementAt(1).isLineTo());
        QCOMPARE(at(path, 0), QPointF(1, 2));
        QCOMPARE(at(path, 1), QPointF(30, 40));
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

    void boxIsTheSameWhicheverWayItIsDragged_data() {
        QTest::addColumn<QPointF>("from");
        QTest::addColumn<QPointF>("to");
        QTest::addColumn<QRectF>("rect");
        const QRectF big(10, 20, 100, 60);
        QTest::newRow("down right") << big.topLeft() << big.bottomRight() << big;
        QTest::newRow("up left") << big.bottomRight() << big.topLeft() << big;
        QTest::newRow("up right") << big.bottomLeft() << big.topRight() << big;
        QTest::newRow("down left") << big.topRight() << big.bottomLeft() << big;
        // Smaller than two corners: the corners shrink instead of overlapping.
        QTest::newRow("tiny") << QPointF(6, 4) << QPointF(0, 0) << QRectF(0, 0, 6, 4);
    }
    void boxIsTheSameWhicheverWayItIsDragged() {
        QFETCH(QPointF, from);
        QFETCH(QPointF, to);
        QFETCH(QRectF, rect);
        const QPainterPath path = Ink::path(Tool::box, {from, QPointF(500, -300), to}, false, 5);
        QCOMPARE(path.boundingRect(), rect);
        QPainterPath expected;
        expected.addRoundedRect(rect, 8, 8);
        QCOMPARE(path, expected);
    }
};

QTEST_MAIN(TestInk)
#include "test_ink.moc"
