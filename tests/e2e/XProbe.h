#pragma once
// What the X server shows, seen from outside the program under test: its
// windows (found by _NET_WM_PID), screenshots of the composited screen, the
// mouse and the focus. Used by the end-to-end tests and the overlay benchmark.

#include <QImage>
#include <QList>
#include <QRect>
#include <QString>
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
    };

    XProbe(); // connects to $DISPLAY
    ~XProbe();
    XProbe(const XProbe&) = delete;
    XProbe& operator=(const XProbe&) = delete;

    bool isConnected() const;
    QSize screenSize() const { return m_screenSize; }

    // The windows of `pid` that cover a screen, the one a tray host has
    // embedded, and the rest: notices, menus, balloons. All viewable.
    QList<Window> overlaysOf(int64_t pid);
    std::optional<Window> trayIconOf(int64_t pid);
    QList<Window> popupsOf(int64_t pid);

    // The screen as shown after compositing (the root window's pixels).
    QImage screenshot(const QRect& area = QRect());
    void warpMouse(QPoint to);
    // The window's title as the window manager shows it (_NET_WM_NAME).
    QString title(uint32_t window);
    // The window that has the X input focus now.
    uint32_t focusWindow();
    // Whether top-level window `upper` is stacked above `lower`.
    bool isAbove(uint32_t upper, uint32_t lower);

  private:
    // Viewable windows, at any depth, whose _NET_WM_PID is `pid`.
    QList<Window> windowsOf(int64_t pid);
    void collect(uint32_t window, uint32_t pid, QList<Window>& out);
    bool isOverlay(const Window& w) const;
    bool isTrayIcon(const Window& w) const;

    xcb_connection_t* m_c = nullptr;
    uint32_t m_root = 0;
    QSize m_screenSize;
    uint32_t m_pidAtom = 0;
};
