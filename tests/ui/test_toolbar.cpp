// The toolbar's icons, row measures and placement, its buttons following the
// settings and the ink, and the hand chooser's cells.
#include "handart/CustomHand.h"
#include "handart/HandSkin.h"
#include "handart/HandSprites.h"
#include "overlay/Pointer.h"
#include "platform/ActiveWindow.h"
#include "prefs/Prefs.h"
#include "ui/HandGrid.h"
#include "ui/HandPopover.h"
#include "ui/Icons.h"
#include "ui/ToolButton.h"
#include "ui/ToolbarPanel.h"
#include "ui/ToolbarView.h"

#include <QTemporaryDir>
#include <QTest>

// A custom hand whose picture the test can put in and take away.
struct TestHand : CustomHand {
    using CustomHand::CustomHand;
    using CustomHand::setImage;
};

// Where the custom hand is kept, with a picture there if asked for.
QString handFile(const QTemporaryDir& dir, bool withPicture) {
    const QString file = dir.filePath(QStringLiteral("hand.png"));
    QImage hand(40, 60, QImage::Format_ARGB32);
    hand.fill(QColor(200, 150, 120));
    if (withPicture) hand.save(file);
    return file;
}

// Everything a toolbar needs, in a private folder; torn down in reverse order.
struct Setup {
    explicit Setup(bool customPicture) : custom(handFile(dir, customPicture)) {}
    QTemporaryDir dir;
    Prefs prefs{dir.filePath(QStringLiteral("Handwick.ini"))};
    TestHand custom;
    HandSprites sprites{custom};
    ActiveWindow activeWindow;
    InkBoard ink{prefs, [](TapSound, double) {}};
    Pointer pointer{prefs, ink, sprites, activeWindow};
    ToolbarPanel panel{prefs, pointer, ink, sprites, custom};
};

class TestToolbar : public QObject {
    Q_OBJECT
    std::unique_ptr<Setup> setup;

    template <typename T = ToolButton> T* control(const QString& name) {
        return setup->panel.view().findChild<T*>(name);
    }
    HandGrid& grid() { return setup->panel.handChooser().grid(); }

  private slots:
    void init() { setup = std::make_unique<Setup>(false); }
    void cleanup() { setup.reset(); }

    void iconsAreCompiledInAndTinted() {
        QStringList wanted = Icons::names();
        for (Tool tool : allCases<Tool>())
            wanted << symbol(tool);
        for (const QString& name : wanted) {
            const QImage icon = Icons::pixmap(name, 17, Qt::red, 2).toImage();
            QCOMPARE(icon.size(), QSize(34, 34));
            int solid = 0, red = 0;
            for (int y = 0; y < icon.height(); ++y)
                for (int x = 0; x < icon.width(); ++x)
                    if (icon.pixelColor(x, y).alpha() == 255)
                        ++solid, red += icon.pixelColor(x, y) == QColor(Qt::red);
            QVERIFY2(solid > 20 && red == solid, qPrintable(name));
        }
        QVERIFY(Icons::pixmap(QStringLiteral("no.such.symbol"), 17, Qt::red, 1).isNull());
        QVERIFY(Icons::pixmap(QStringLiteral("xmark"), -3, Qt::red, 1).isNull());
    }

    void rowIsLaidOutFromItsMeasures() {
        ToolbarPanel& panel = setup->panel;
        panel.showOn(QGuiApplication::primaryScreen());
        const int button = 32, swatch = 22, divider = 5, gap = 6, margin = 8;
        // The controls between are clicked by position in e2e_toolbar.
        const std::pair<const char*, int> lefts[] = {
            {"hand", margin},
            {"coral", margin + 7 * (button + gap) + 2 * (divider + gap)},
            {"off", margin + 11 * (button + gap) + 6 * (swatch + gap) + 4 * (divider + gap)}};
        for (auto [name, x] : lefts) {
            const QWidget* child = panel.view().findChild<QWidget*>(name);
            QVERIFY2(child && child->pos() == QPoint(x, 6), name);
        }
        QCOMPARE(panel.view().size(),
                 QSize(2 * margin + 12 * button + 6 * swatch + 4 * divider + 21 * gap, 42));
        QCOMPARE(panel.view().pos(), QPoint(14, 14));
        QCOMPARE(panel.frame().size(), panel.view().size() + QSize(28, 28));
        panel.hide();
        QCOMPARE(panel.frame(), QRect());
    }

    void panelIsCentredOnTheFreeAreaAboveTheBottom() {
        // A dock on the left and a panel at the bottom; a screen right of and above the first.
        const QSize size(706, 70);
        QCOMPARE(ToolbarPanel::placement({0, 0, 1920, 1080}, {64, 0, 1856, 1040}, size),
                 QPoint(64 + (1856 - 706) / 2, 1080 - 18 - 70));
        QCOMPARE(ToolbarPanel::placement({1920, -200, 1280, 1024}, {1920, -170, 1280, 994}, size),
                 QPoint(1920 + (1280 - 706) / 2, 824 - 18 - 70));
    }

    void buttonsFollowTheSettings() {
        Prefs& prefs = setup->prefs;
        prefs.setLaser(true);
        QVERIFY(control("laser")->isActive());
        for (Tool tool : allCases<Tool>())
            QVERIFY(!control(rawValue(tool))->isActive());
        QCOMPARE(grid().selectedID(), QString());
        control("box")->click();
        QVERIFY(!prefs.laser() && !control("laser")->isActive());
        QVERIFY(control("box")->isActive() && !control("pen")->isActive());
        QCOMPARE(grid().selectedID(), QStringLiteral("classic"));
        control<SwatchButton>("sky")->click();
        QCOMPARE(prefs.color(), InkColor::sky);
        QVERIFY(control<SwatchButton>("sky")->isChosen() &&
                !control<SwatchButton>("coral")->isChosen());
        QCOMPARE(prefs.tool(), Tool::box);
        control("sound")->click();
        QVERIFY(prefs.muted());
        QCOMPARE(control("sound")->toolTip(), QStringLiteral("Turn the tap sound on"));
        prefs.setMuted(false);
        QCOMPARE(control("sound")->toolTip(), QStringLiteral("Mute the tap sound"));
    }

    void undoAndClearWaitForInk() {
        QVERIFY(!control("undo")->isEnabled() && !control("clear")->isEnabled());
        setup->ink.add(Layer::make());
        QVERIFY(control("undo")->isEnabled() && control("clear")->isEnabled());
        control("undo")->click();
        QVERIFY(!control("undo")->isEnabled() && !control("clear")->isEnabled());
    }

    void gridShowsTheCustomHandFirstAndOnlyKnownHandsChosen() {
        const auto builtIn = int(HandSkin::all().size());
        for (bool pictureAtStart : {false, true}) {
            setup = std::make_unique<Setup>(pictureAtStart);
            for (bool custom : {pictureAtStart, !pictureAtStart}) {
                QCOMPARE(grid().ids().size(), builtIn + (custom ? 1 : 0));
                QCOMPARE(grid().ids().front(), custom ? "custom" : HandSkin::all()[0].id);
                setup->custom.setImage(custom ? QImage() : QImage(40, 60, QImage::Format_ARGB32));
            }
        }
        setup->prefs.setHandID(HandSkin::all().back().id);
        QCOMPARE(grid().selectedID(), HandSkin::all().back().id);
        setup->prefs.setHandID(QStringLiteral("no such hand"));
        QCOMPARE(grid().selectedID(), QString());
    }
};

QTEST_MAIN(TestToolbar)
#include "test_toolbar.moc"
