#pragma once
// Remembers the window that had the keyboard before the overlay came up and
// gives the keyboard back to it afterwards.

#include "platform/WindowActivation.h"

#include <memory>

class ActiveWindow {
  public:
    using WindowId = WindowActivation::WindowId;

    // Without a desktop, this desktop's is picked at first use.
    explicit ActiveWindow(std::unique_ptr<WindowActivation> desktop = nullptr);
    ~ActiveWindow();
    ActiveWindow(const ActiveWindow&) = delete;
    ActiveWindow& operator=(const ActiveWindow&) = delete;

    // Notes the active window, unless there is none or it is one of this
    // program's own (then the one noted earlier is kept).
    void remember();
    // Activates the noted window if it still exists, then forgets it.
    void reactivate();

  private:
    WindowActivation& desktop();

    std::unique_ptr<WindowActivation> m_desktop;
    WindowId m_remembered = 0;
};
