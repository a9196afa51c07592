#pragma once
// The desktop's notion of which window has the keyboard, and a way to hand it
// back. Window ids are the desktop's own (X window ids on X11).

#include <QtGlobal>
#include <memory>

class WindowActivation {
  public:
    using WindowId = quint64;

    virtual ~WindowActivation() = default;

    // The active window, or 0 when there is none or the desktop does not say.
    virtual WindowId activeWindow() = 0;
    virtual bool exists(WindowId window) = 0;
    // Asks the window manager to activate `window`.
    virtual void activate(WindowId window) = 0;

    // X11 when the application runs on xcb, headless otherwise.
    static std::unique_ptr<WindowActivation> forThisDesktop();
};
