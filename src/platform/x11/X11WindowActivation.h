#pragma once
// Window activation through the window manager (EWMH _NET_ACTIVE_WINDOW).

#include "platform/WindowActivation.h"
#include "platform/x11/ServerClock.h"

#include <xcb/xcb.h>

class X11WindowActivation final : public WindowActivation {
  public:
    explicit X11WindowActivation(xcb_connection_t* connection);

    WindowId activeWindow() override;
    bool exists(WindowId window) override;
    void activate(WindowId window) override;

  private:
    xcb_connection_t* m_connection;
    xcb_window_t m_root;
    xcb_atom_t m_activeAtom;
    ServerClock m_clock;
};
