#pragma once
// The first thing a newcomer sees: the hand, what it does, how to reach it, a
// switch for starting at login and a button that brings the hand up. Closing
// it only hides it, so "How It Works…" shows the same window again.

#include <QDialog>
#include <functional>

class QCheckBox;
class QPushButton;

class WelcomeWindow : public QDialog {
    Q_OBJECT
  public:
    // How the window reads and changes whether Handwick opens at login.
    struct LoginSwitch {
        std::function<bool()> isOn;
        std::function<void(bool)> set;
    };

    // `hasTray` picks how the first line says to reach Handwick.
    WelcomeWindow(bool hasTray, LoginSwitch login, QWidget* parent = nullptr);

    // The text of the line that says how to bring the hand up.
    static QString reachLine(bool hasTray);

    QCheckBox* loginSwitch() const { return m_login; }
    QPushButton* startButton() const { return m_start; }

  signals:
    // "Try It Now" was pressed (or Return).
    void startRequested();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QWidget* card(bool hasTray);
    void showLoginState();

    LoginSwitch m_loginState;
    QCheckBox* m_login = nullptr;
    QPushButton* m_start = nullptr;
    bool m_placed = false;
};
