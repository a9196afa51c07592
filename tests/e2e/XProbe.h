#pragma once
// What the X server shows, seen from outside the program under test: its
// windows (found by _NET_WM_PID), screenshots of the composited screen, and
// the mouse. Used by the end-to-end tests and the overlay benchmark.

#include <QImage>
#include <QList>
#include <QPoint>
#include <QRect>
#include <cstdint>
#include <optional>

struct xcb_connection_t;

class XProbe {
  public:
    struct Window {
        uint32_t id = 0;
        uint32_t parent = 0;
        QRect rect; // in root coordinates
        bool overrideRedirect = false;
        bool viewable = false;
    };

    XProbe(); // connects to $DISPLAY
    ~XProbe();
    XProbe(const XProbe&) = delete;
    XProbe& operator=(const XProbe&) = delete;

    bool isConnected() const;
    uint32_t root() const { return m_root; }
    QSize screenSize() const { return m_screenSize; }

    // Every window, at any depth, whose _NET_WM_PID is `pid`.
    QList<Window> windowsOf(int64_t pid);
    // Viewable override-redirect top-levels of `pid` big enough to cover a screen.
    QList<Window> overlaysOf(int64_t pid);
    // The viewable window of `pid` that a tray host has embedded in its own.
    std::optional<Window> trayIconOf(int64_t pid);
    // Viewable top-levels of `pid` that are neither overlays nor the tray icon:
    // notices, menus, balloons.
    QList<Window> popupsOf(int64_t pid);

    // The screen as shown after compositing (the root window's pixels).
    QImage screenshot(const QRect& area = QRect());
    QPoint mouse();
    void warpMouse(QPoint to);
    // The window with the keyboard focus (_NET_ACTIVE_WINDOW), or 0.
    uint32_t activeWindow();
    // The window that has the X input focus now.
    uint32_t focusWindow();

  private:
    void collect(uint32_t window, int64_t pid, QList<Window>& out);
    std::optional<uint32_t> pidOf(uint32_t window);
    uint32_t atom(const char* name);

    xcb_connection_t* m_c = nullptr;
    uint32_t m_root = 0;
    QSize m_screenSize;
    uint32_t m_pidAtom = 0;
    uint32_t m_activeAtom = 0;
};
