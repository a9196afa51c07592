#pragma once
// The X server's current time. Window managers judge activation requests by
// their timestamp, and X has no request that simply returns the time; the
// usual trick is a property change on a window of our own, whose notify event
// carries it. That needs an event queue nobody else reads, hence a private
// connection, opened at first use and kept.

#include <xcb/xcb.h>

class ServerClock {
  public:
    ServerClock() = default;
    ~ServerClock();
    ServerClock(const ServerClock&) = delete;
    ServerClock& operator=(const ServerClock&) = delete;

    // XCB_CURRENT_TIME (0) when the server cannot be reached.
    xcb_timestamp_t now();

  private:
    bool open();

    xcb_connection_t* m_connection = nullptr;
    xcb_window_t m_window = XCB_WINDOW_NONE;
};
