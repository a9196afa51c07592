#pragma once
// Shows the welcome window at the first start and from "How It Works…", and
// starts the pointer from it.

#include "ui/welcome/WelcomeWindow.h"

#include <QObject>
#include <memory>

class ActiveWindow;
class Pointer;
class Prefs;

class WelcomeController : public QObject {
    Q_OBJECT
  public:
    WelcomeController(Prefs& prefs, Pointer& pointer, ActiveWindow& activeWindow,
                      WelcomeWindow::LoginSwitch login, QObject* parent = nullptr);
    ~WelcomeController() override;

    // Brings the window up (built on first use) and gives it the keyboard.
    void show(bool hasTray);
    // Only while the welcome has not been seen through to the end.
    bool showIfNew(bool hasTray);
    // What "Try It Now" does: the welcome counts as seen, and the hand comes up.
    void start();

    // The window, once it has been shown; for pictures and tests.
    WelcomeWindow* window() const { return m_window.get(); }

  private:
    Prefs& m_prefs;
    Pointer& m_pointer;
    ActiveWindow& m_activeWindow;
    WelcomeWindow::LoginSwitch m_login;
    std::unique_ptr<WelcomeWindow> m_window;
};
