#pragma once
#include "platform/WindowActivation.h"

// Where there is no window manager to ask: no window is ever active.
class HeadlessWindowActivation final : public WindowActivation {
  public:
    WindowId activeWindow() override { return 0; }
    bool exists(WindowId) override { return false; }
    void activate(WindowId) override {}
};
