#pragma once
// What the desktop offers, checked before relying on it.

namespace DesktopChecks {

// Whether the application can reach a display. Call it before QApplication
// exists: Qt ends the process when its X connection fails. True when
// QT_QPA_PLATFORM names a platform other than xcb (offscreen needs no display,
// the others report their own failures), or when a Wayland display is named;
// otherwise an X connection must open.
bool hasDisplay();

// Whether translucent windows show what lies behind them. On X11 that takes a
// compositing manager (the owner of _NET_WM_CM_S<screen>); the other
// platforms compose by themselves. Needs the application.
bool hasCompositor();

} // namespace DesktopChecks
