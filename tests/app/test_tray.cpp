// The tray menu follows the pointer's state, and which clicks open it.
#include "../overlay/OverlayTestKit.h"
#include "app/App.h"
#include "app/WelcomeController.h"
#include "handart/CustomHand.h"
#include "handart/HandSprites.h"
#include "overlay/Pointer.h"
#include "platform/ActiveWindow.h"
#include "platform/HotKeys.h"

#include <QMenu>
#include <QTest>

class TestTray : public QObject {
    Q_OBJECT

  private slots:
    void theMenuFollowsThePointer() {
        PrivatePrefs settings;
        CustomHand hand(settings.dir.filePath("hand.png"));
        HandSprites sprites(hand);
        ActiveWindow activeWindow;
        InkBoard board(settings.prefs, nullptr);
        Pointer pointer(settings.prefs, board, sprites, activeWindow);
        HotKeys keys;
        WelcomeController welcome(settings.prefs, pointer, activeWindow, {});
        App app(pointer, board, keys, settings.prefs, welcome);
        QMenu menu;
        app.rebuildMenu(menu);
        QStringList titles;
        for (QAction* action : menu.actions())
            titles << action->text();
        QCOMPARE(titles, (QStringList{"Turn Pointer On", "Clear Drawing", "", "How It Works…", "",
                                      "Quit Handwick"}));
        QCOMPARE(menu.actions().front()->shortcut(), QKeySequence("Ctrl+Alt+H"));
        menu.actions().front()->trigger();
        QVERIFY(pointer.isOn());
        app.rebuildMenu(menu);
        QCOMPARE(menu.actions().front()->text(), QStringLiteral("Turn Pointer Off"));
        menu.actions().front()->trigger();
        QVERIFY(!pointer.isOn());
    }

    void ctrlOrAltClickOpensTheMenu() {
        QVERIFY(!App::clickOpensMenu(Qt::NoModifier) && !App::clickOpensMenu(Qt::ShiftModifier));
        QVERIFY(App::clickOpensMenu(Qt::ControlModifier));
        QVERIFY(App::clickOpensMenu(Qt::AltModifier | Qt::ShiftModifier));
    }
};

QTEST_MAIN(TestTray)
#include "test_tray.moc"
