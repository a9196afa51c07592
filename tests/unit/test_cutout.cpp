#include "SyntheticHandPhoto.h"
#include "handart/CustomHand.h"
#include "handart/CutOut.h"
#include "handart/HandPainter.h"

#include <QColorSpace>
#include <QPainter>
#include <QTest>

using namespace SyntheticHandPhoto;
Q_DECLARE_METATYPE(SyntheticHandPhoto::Options)

namespace {
QImage plain(QSize size, QColor colour) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// A picture with its own alpha: an opaque `blob` inside a transparent margin.
QImage withTransparency(QSize blob) {
    QImage image(blob + QSize(100, 100), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter(&image).fillRect(QRect(QPoint(50, 50), blob), QColor(210, 160, 130));
    return image;
}
} // namespace

class TestCutOut : public QObject {
    Q_OBJECT

  private slots:
    void keepsTheWholeHandAndDropsTheBackground_data() {
        QTest::addColumn<Options>("options");
        Options o;
        QTest::newRow("plain") << o;
        o.backdrop = Backdrop::softLight;
        o.castShadow = true;
        o.noise = 6;
        o.jpegQuality = 70;
        QTest::newRow("soft light, shadow, noise, JPEG") << o;
        o.skin = QColor(241, 210, 190);
        o.background = QColor(250, 250, 250);
        QTest::newRow("pale skin on white with a shadow") << o;
        o = Options();
        o.background = QColor(40, 60, 90);
        o.noise = 8;
        o.jpegQuality = 60;
        o.centre = 0.3;
        QTest::newRow("dark, grainy, off centre") << o;
        o = Options();
        o.skin = QColor(120, 80, 60);
        o.background = QColor(200, 205, 210);
        o.backdrop = Backdrop::softLight;
        o.noise = 4;
        QTest::newRow("dark skin on grey") << o;
    }

    void keepsTheWholeHandAndDropsTheBackground() {
        QFETCH(Options, options);
        const Photo photo = make(options);
        const QImage mask = CutOut::subjectMask(photo.photo);
        QVERIFY(!mask.isNull());
        QVERIFY2(overlap(mask, photo.mask) > 0.93,
                 qPrintable(QString::number(overlap(mask, photo.mask))));

        const auto cut = CutOut::make(photo.photo);
        QVERIFY(cut);
        QCOMPARE(cut->format(), QImage::Format_RGBA8888);
        QCOMPARE(cut->colorSpace(), QColorSpace(QColorSpace::SRgb));
        QVERIFY(overlapWithCutOut(*cut, photo) > 0.9);
        QVERIFY(std::abs(cut->height() - photo.hand.height()) <= 4); // cropped, not scaled
        const QPointF tip = CustomHand::landmarks(*cut).tip;
        const QPointF expected = photo.tip - photo.hand.topLeft();
        QVERIFY2(QLineF(tip, expected).length() < 0.03 * cut->height(),
                 qPrintable(QStringLiteral("tip %1,%2").arg(tip.x()).arg(tip.y())));
        QCOMPARE(cut->pixelColor(0, 0).alpha(), 0); // beside the finger: background
    }

    void aWhiteGloveOnAPaleBackgroundKeepsItsPalm() {
        // The glove's fill is nearly the background's colour; only its dark
        // outline stands out. What the outline encloses is still the hand.
        const HandSprite glove = HandPainter::render(HandSkin::classic(), 130, 2);
        QImage small(300, 330, QImage::Format_RGB32);
        small.fill(QColor(242, 242, 242));
        QPainter(&small).drawImage(QPointF(75 - glove.size.width() / 2 + 75, 12), glove.image);
        QImage photo =
            small.scaled(small.size() * 4, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                .convertToFormat(QImage::Format_RGB32);
        roughen(photo, 7, 85, 7);

        const auto cut = CutOut::make(photo);
        QVERIFY(cut);
        // The palm, well inside the outline, is opaque.
        for (const QPointF at : {QPointF(0.3, 0.5), QPointF(0.45, 0.45), QPointF(0.2, 0.55)}) {
            const QPoint palm(int(cut->width() * at.x()), int(cut->height() * at.y()));
            QCOMPARE(cut->pixelColor(palm).alpha(), 255);
        }
    }

    void bigPhotosGiveCutOutsSixHundredHigh() {
        Options options;
        options.size = QSize(1600, 1200);
        options.noise = 3;
        const Photo photo = make(options);
        const auto cut = CutOut::make(photo.photo);
        QVERIFY(cut);
        QCOMPARE(cut->height(), CutOut::kMaxHeight);
        QVERIFY(std::abs(cut->width() - photo.hand.width() * 600 / photo.hand.height()) <= 4);
        QVERIFY(overlapWithCutOut(*cut, photo) > 0.9);
    }

    void findsNothingWithoutASubject_data() {
        QTest::addColumn<QImage>("picture");
        QTest::newRow("four pixels") << plain({2, 2}, Qt::black);
        Options backdrop;
        backdrop.withHand = false;
        backdrop.backdrop = Backdrop::softLight;
        backdrop.noise = 6;
        QTest::newRow("only soft light") << make(backdrop).photo;
        backdrop.backdrop = Backdrop::plain;
        backdrop.noise = 12;
        backdrop.jpegQuality = 50;
        QTest::newRow("only grain") << make(backdrop).photo;
    }

    void findsNothingWithoutASubject() {
        QFETCH(QImage, picture);
        QVERIFY(!CutOut::make(picture));
    }

    void ownTransparencyIsTheMask_data() {
        QTest::addColumn<QSize>("blob");
        QTest::addColumn<QSize>("expected");
        QTest::newRow("400 × 800 is shrunk") << QSize(400, 800) << QSize(300, 600);
        QTest::newRow("200 × 300 is kept") << QSize(200, 300) << QSize(200, 300);
    }

    void ownTransparencyIsTheMask() {
        QFETCH(QSize, blob);
        QFETCH(QSize, expected);
        const auto cut = CutOut::make(withTransparency(blob));
        QVERIFY(cut);
        QCOMPARE(cut->size(), expected);
        QCOMPARE(cut->pixelColor(expected.width() / 2, expected.height() / 2),
                 QColor(210, 160, 130));
    }
};

QTEST_MAIN(TestCutOut)
#include "test_cutout.moc"
