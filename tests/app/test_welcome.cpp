// The welcome window: when it shows, what starting from it does, and its switch.
#include "../overlay/PointerKit.h"
#include "app/WelcomeController.h"

#include <QCheckBox>
#include <QPushButton>
#include <QTest>

class TestWelcome : public QObject {
    Q_OBJECT

    struct Fixture : PointerKit {
        bool atLogin = true;
        QList<bool> written;
        WelcomeController welcome{settings.prefs, pointer, activeWindow,
                                  WelcomeWindow::LoginSwitch{[this] { return atLogin; },
                                                             [this](bool on) { written << on; }}};
    };

  private slots:
    void returnStartsThePointerAndTheWelcomeIsSeen() {
        Fixture f;
        QVERIFY(f.welcome.showIfNew(true));
        WelcomeWindow* window = f.welcome.window();
        QVERIFY(window->isVisible());
        QCOMPARE(window->width(), 470);
        QTest::keyClick(window, Qt::Key_Return);
        QVERIFY(f.settings.prefs.welcomed());
        QVERIFY(!window->isVisible());
        QTRY_VERIFY(f.pointer.isOn());
        f.pointer.turnOff();
        QVERIFY(!f.welcome.showIfNew(true));
    }

    void closingDoesNotCountAsSeen() {
        Fixture f;
        f.welcome.show(true);
        f.welcome.window()->close();
        QVERIFY(!f.settings.prefs.welcomed());
        QVERIFY(!f.pointer.isOn());
        // The same window comes back, with its state.
        WelcomeWindow* first = f.welcome.window();
        QVERIFY(f.welcome.showIfNew(true));
        QCOMPARE(f.welcome.window(), first);
    }

    void theSwitchShowsTheStateAndWritesOnlyChanges() {
        Fixture f;
        f.welcome.show(true);
        QCheckBox* login = f.welcome.window()->loginSwitch();
        QVERIFY(login->isChecked());
        QVERIFY(f.written.isEmpty());
        login->click();
        QCOMPARE(f.written, QList<bool>{false});
        // A write that did not take leaves the switch showing the truth.
        QVERIFY(login->isChecked());
        // Changed elsewhere, it shows the change when the window comes back.
        f.atLogin = false;
        f.welcome.window()->hide();
        f.welcome.show(true);
        QVERIFY(!login->isChecked());
    }

    void withoutATrayItSaysToUseTheKey() {
        QVERIFY(WelcomeWindow::reachLine(true).contains("system tray, or press Ctrl+Alt+H"));
        QVERIFY(!WelcomeWindow::reachLine(false).contains("Click"));
        QVERIFY(WelcomeWindow::reachLine(false).contains("Ctrl+Alt+H"));
    }
};

QTEST_MAIN(TestWelcome)
#include "test_welcome.moc"
