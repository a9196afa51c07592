// The tray menu follows the pointer's state, and which clicks open it.
#include "../overlay/OverlayTestKit.h"
#include "app/App.h"
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
        App app(pointer, board, keys, settings.prefs);
        QMenu menu;
        app.rebuildMenu(menu);
        QStringList titles;
        for (QAction* action : menu.actions())
            titles << action->text();
        QCOMPARE(titles, (QStringList{"Turn Pointer On", "Clear Drawing", "", "Quit Handwick"}));
        QCOMPARE(menu.actions().front()->shortcut(), QKeySequence("Ctrl+Alt+H"));
        menu.actions().front()->trigger();
        QVERIFY(pointer.isOn());
        app.rebuildMenu(menu);
        QCOMPARE(menu.actions().front()->text(), QStringLiteral("Turn Pointer Off"));
        menu.actions().front()->trigger();
        QVERIFY(!pointer.isOn());
        // A build with updates: the action sits above the separator before "Quit Handwick".
        QAction check(QStringLiteral("Check for Updates…"));
        app.setUpdateAction(&check);
        app.rebuildMenu(menu);
        app.rebuildMenu(menu); // the menu never takes the action with it
        QCOMPARE(menu.actions().mid(2),
                 (QList<QAction*>{menu.actions().at(2), &check, menu.actions().at(4),
                                  menu.actions().at(5)}));
        QVERIFY(menu.actions().at(2)->isSeparator() && menu.actions().at(4)->isSeparator());
    }

    void ctrlOrAltClickOpensTheMenu() {
        QVERIFY(!App::clickOpensMenu(Qt::NoModifier) && !App::clickOpensMenu(Qt::ShiftModifier));
        QVERIFY(App::clickOpensMenu(Qt::ControlModifier));
        QVERIFY(App::clickOpensMenu(Qt::AltModifier | Qt::ShiftModifier));
    }
};

QTEST_MAIN(TestTray)
#include "test_tray.moc"
