// The documentation's pictures: which window each step photographs, the
// overlay picture, and that the sequence ends the program.
#include "../overlay/PointerKit.h"
#include "devtools/Snapshot.h"

#include <QDir>
#include <QImage>
#include <QTest>
#include <QWidget>

class TestSnapshot : public QObject {
    Q_OBJECT

  private slots:
    // Each step's picture is of the largest window it shows; earlier windows
    // are put away first, and a missing picture does not stop the sequence.
    void stepsPhotographTheirLargestWindowAndEndTheProgram() {
        PointerKit f;
        QTemporaryDir out;
        QWidget small, large, earlier;
        small.resize(120, 80);
        large.resize(300, 200);
        earlier.resize(500, 400);
        earlier.show();
        const QString dir = out.filePath("pictures");
        DevTools::snapshot(dir,
                           {{"windows",
                             [&] {
                                 small.show();
                                 large.show();
                             }},
                            {"pointer", nullptr}},
                           f.pointer,
                           {std::chrono::milliseconds(10), std::chrono::milliseconds(50)});
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(!earlier.isVisible());
        QCOMPARE(QImage(dir + "/windows.png").size(), large.size() * large.devicePixelRatio());
        QVERIFY(!QFileInfo::exists(dir + "/pointer.png")); // the pointer stayed off
    }

    // The overlay of the main screen over the pale desk, the demonstration
    // drawing on it; the pointer goes off again afterwards only when asked.
    void thePointerPictureShowsTheDemonstration() {
        PointerKit f;
        QTemporaryDir out;
        const QString file = out.filePath("pointer.png");
        DevTools::demo(f.pointer);
        QVERIFY(f.pointer.isOn());
        QVERIFY(DevTools::renderPointer(f.pointer, file));
        const QImage picture(file);
        QCOMPARE(picture.size(), QGuiApplication::primaryScreen()->geometry().size());
        const QColor top = picture.pixelColor(2, 2),
                     bottom = picture.pixelColor(2, picture.height() - 3);
        QVERIFY(top.blueF() > top.redF() + 0.1); // the bluer end at the top
        QVERIFY(bottom.redF() > top.redF());
        // The box's top edge runs through 70 % across, 40 % down.
        const QSize size = picture.size();
        const QColor edge = picture.pixelColor(size.width() * 0.7, size.height() * 0.4);
        QVERIFY2(qAbs(edge.redF() - top.redF()) + qAbs(edge.greenF() - top.greenF()) > 0.2,
                 qPrintable(edge.name()));
        f.pointer.turnOff();
        QVERIFY(!DevTools::renderPointer(f.pointer, file + ".off"));
        QVERIFY(!QFileInfo::exists(file + ".off"));
    }
};

QTEST_MAIN(TestSnapshot)
#include "test_snapshot.moc"
