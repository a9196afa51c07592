// The tray menu follows the pointer's state, and which clicks open it.
#include "../overlay/PointerKit.h"
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
        PointerKit kit;
        auto& [settings, hand, sprites, activeWindow, board, pointer] = kit;
        HotKeys keys;
        WelcomeController welcome(settings.prefs, pointer, activeWindow, {});
        App app(pointer, board, keys, settings.prefs, welcome);
        QMenu menu;
        app.rebuildMenu(menu);
        QStringList titles;
        for (QAction* action : menu.actions())
            titles << action->text();
        QCOMPARE(titles, (QStringList{"Turn Pointer On", "Clear Drawing", "", "Settings…",
                                      "How It Works…", "", "Quit Handwick"}));
        QCOMPARE(menu.actions().front()->shortcut(), QKeySequence("Ctrl+Alt+H"));
        QCOMPARE(menu.actions().at(3)->shortcut(), QKeySequence("Ctrl+,"));
        menu.actions().front()->trigger();
        QVERIFY(pointer.isOn());
        app.rebuildMenu(menu);
        QCOMPARE(menu.actions().front()->text(), QStringLiteral("Turn Pointer Off"));
        int opened = 0;
        app.setSettingsWindow([&] { opened += pointer.isOn() ? 100 : 1; });
        menu.actions().at(3)->trigger(); // the pointer is off before the window shows
        QCOMPARE(opened, 1);
        QVERIFY(!pointer.isOn());
        // A build with updates: the action sits under "How It Works…", above the
        // separator before "Quit Handwick".
        QAction check(QStringLiteral("Check for Updates…"));
        app.setUpdateAction(&check);
        app.rebuildMenu(menu);
        app.rebuildMenu(menu); // the menu never takes the action with it
        QCOMPARE(menu.actions().size(), 8);
        QCOMPARE(menu.actions().at(5), &check);
        QVERIFY(menu.actions().at(6)->isSeparator());
    }

    void ctrlOrAltClickOpensTheMenu() {
        QVERIFY(!App::clickOpensMenu(Qt::NoModifier) && !App::clickOpensMenu(Qt::ShiftModifier));
        QVERIFY(App::clickOpensMenu(Qt::ControlModifier));
        QVERIFY(App::clickOpensMenu(Qt::AltModifier | Qt::ShiftModifier));
    }
};

QTEST_MAIN(TestTray)
#include "test_tray.moc"
