#pragma once
// Driving the desktop for the end-to-end tests: xdotool, another X client and
// one run of the real program with the probe that watches it.

#include "HandwickProcess.h"
#include "XProbe.h"

#include <QColor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTest>
#include <QVariantMap>
#include <QWidget>
#include <functional>

struct xcb_connection_t;

// Runs xdotool with a space-separated command line ("mousemove 10 20 click 1").
bool xdo(const QString& commands);
inline QString at(QPoint p) {
    return QString::number(p.x()) + ' ' + QString::number(p.y());
}
inline void press(const QString& keys) {
    xdo("key " + keys);
}
inline void moveMouse(QPoint p) {
    xdo("mousemove " + at(p));
}
// Runs xrandr with space-separated arguments ("--delmonitor extra").
inline bool xrandr(const QString& args) {
    return QProcess::execute("xrandr", args.split(' ')) == 0;
}
// Polls `check` while the event loop runs, up to `ms` milliseconds.
bool waitFor(const std::function<bool()>& check, int ms = 5000);
// Whether session.sh started the session without this part ("tray", "compositor", "sound").
bool sessionWithout(const char* part);
// Whether every channel of `a` lies within `tolerance` of `b`'s.
bool near(const QColor& a, const QColor& b, int tolerance);
// Saves `image` as NAME.png in $HANDWICK_E2E_SHOTS when that is set, to look at.
void keep(const QImage& image, const QString& name);

// Another program's window: counts the mouse presses and keys it gets.
class TargetWindow : public QWidget {
  public:
    int presses = 0;
    QList<int> keys;
    TargetWindow() {
        resize(360, 240);
        show();
    }
    // Shown and given the keyboard, as the program being presented would be.
    bool inFront() {
        if (!QTest::qWaitForWindowExposed(this)) return false;
        activateWindow();
        return waitFor([this] { return isActiveWindow(); });
    }

  protected:
    void mousePressEvent(QMouseEvent*) override { ++presses; }
    void keyPressEvent(QKeyEvent* event) override { keys << event->key(); }
};

// Another program holding Ctrl+Alt+`letter` for as long as this object lives.
class KeyHolder {
  public:
    explicit KeyHolder(char letter);
    ~KeyHolder();
    KeyHolder(const KeyHolder&) = delete;
    KeyHolder& operator=(const KeyHolder&) = delete;
    bool holds() const { return m_holds; } // false when some client already did

  private:
    xcb_connection_t* m_c;
    bool m_holds = false;
};

// One run of the real program, with settings written before it starts.
class Handwick {
  public:
    explicit Handwick(const QVariantMap& settings = {}, const QProcessEnvironment& env = {});
    XProbe x;
    HandwickProcess app;

    // Ready for hot keys: they are registered before the tray icon or the notice shows.
    bool start(bool withTray = true);
    // Turns the pointer on with the mouse at `mouse`; ready once the overlay has the keyboard.
    bool turnOn(QPoint mouse);
    // Presses `keys` and waits until the program, still running, shows `count` overlays.
    bool pressFor(const QString& keys, qsizetype count);
    qsizetype overlays() { return x.overlaysOf(app.pid()).size(); }
    bool overlayHasKeyboard();
    QString why() { return app.errorString() + app.output(); }
};
