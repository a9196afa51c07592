#pragma once
// How HotKeys reaches the desktop: one grabber per process, picked by what
// the application runs on (X11, or nothing that can grab keys).

#include <QtGlobal>
#include <functional>
#include <memory>

class KeyGrabber {
  public:
    using Fire = std::function<void(quint32 id)>;

    virtual ~KeyGrabber() = default;

    // Reports Ctrl+Alt+`letter`, pressed anywhere, as `id`. A key the desktop
    // refuses (another program holds it) is left inactive without a word.
    virtual void grab(quint32 id, char letter) = 0;
    virtual bool isActive(quint32 id) const = 0;
    // False where no keys can be grabbed at all: nothing is "held elsewhere" then.
    virtual bool canGrab() const { return true; }
    // Tries again to take the keys that were refused (their holder may have let go).
    virtual void retryRefused() = 0;

    // The X11 grabber when the application runs on xcb, the headless one
    // otherwise (offscreen, Wayland, or no application yet).
    static std::unique_ptr<KeyGrabber> forThisDesktop(Fire fire);
};
