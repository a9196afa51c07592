#pragma once
// Small helpers over Qt's own X connection.

#include <string>
#include <vector>
#include <xcb/xcb.h>

namespace X11 {
// Qt's connection when the application runs on the xcb platform; null
// otherwise (offscreen, Wayland, or before the application exists).
xcb_connection_t* qtConnection();

// The screen number DISPLAY names (":0.1" is 1), as Qt's default screen.
int defaultScreenNumber();

xcb_window_t defaultRoot(xcb_connection_t* connection);
std::vector<xcb_window_t> roots(xcb_connection_t* connection);

// XCB_ATOM_NONE when the server cannot make it.
xcb_atom_t atom(xcb_connection_t* connection, const std::string& name);
} // namespace X11
