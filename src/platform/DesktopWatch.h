#pragma once
// What happens on the desktop outside the pointer's own windows that it must
// answer while it is on: another window stacked above them, and mouse motion
// that does not reach them (another program holds the pointer). It listens
// only while watching, so a pointer that is off is never woken by it.

#include <QObject>
#include <memory>

class DesktopWatch : public QObject {
    Q_OBJECT
  public:
    // The X11 watch on xcb; elsewhere (and without a display) a silent one.
    static std::unique_ptr<DesktopWatch> forThisDesktop();

    virtual void start() = 0;
    virtual void stop() = 0;

  signals:
    // Another program's window was mapped or stacked above this program's.
    void covered();
    // The mouse moved (anywhere, grabbed or not).
    void mouseMoved();
};
