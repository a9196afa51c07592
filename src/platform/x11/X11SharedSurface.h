#pragma once
#include "platform/WindowSurface.h"

#include <QSize>
#include <xcb/shm.h>
#include <xcb/xcb.h>

// A window's picture in memory shared with the X server. Showing a part is
// one small request; the server copies from the shared memory itself. The
// surface speaks over a connection of its own, so the server's word that it
// has read a part comes here directly, never through Qt's event thread.
class X11SharedSurface final : public WindowSurface {
  public:
    // Null when the window is not on X11, the server is on another machine
    // (no shared memory) or the window's depth is neither 24 nor 32.
    static std::unique_ptr<WindowSurface> make(QWindow& window);
    ~X11SharedSurface() override;
    X11SharedSurface(const X11SharedSurface&) = delete;
    X11SharedSurface& operator=(const X11SharedSurface&) = delete;

    QImage& picture() override { return m_picture; }
    void prepare(const QRegion& region) override;
    void show(const QRegion& region) override;

  private:
    struct Shared {
        xcb_connection_t* connection;
        xcb_shm_seg_t segment;
        uchar* memory;
    };
    X11SharedSurface(Shared shared, xcb_window_t window, uint8_t depth, QSize pixels, double ratio);
    // Takes in the completions that came; with `wait`, until none is due.
    void collect(bool wait);
    QRect devicePixels(const QRect& logical) const;

    xcb_connection_t* m_c;
    xcb_shm_seg_t m_segment;
    uchar* m_memory;
    xcb_window_t m_window;
    xcb_gcontext_t m_gc;
    uint8_t m_depth;
    uint8_t m_completion; // the event type of a finished shared-memory put
    QImage m_picture;
    QRegion m_reading; // shown but maybe not yet read by the server
    int m_due = 0;     // completions still to come
};
