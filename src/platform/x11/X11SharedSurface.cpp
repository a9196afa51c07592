// The overlay repaints a few small parts of a screen-sized window at every
// frame. Qt's backing store would first clear each part, copy it from our
// picture, and before painting over a part it just sent wait for a full
// round trip to the server; here the only cost of showing is the request.
#include "platform/x11/X11SharedSurface.h"
#include "platform/x11/X11Connection.h"

#include <QGuiApplication>
#include <QWindow>
#include <X11/Xlib.h>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <sys/ipc.h>
#include <sys/shm.h>
#include <vector>

namespace {
template <typename T> using Reply = std::unique_ptr<T, decltype(&std::free)>;

// A connection of our own to the display Qt speaks to.
xcb_connection_t* connectLikeQt() {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    Display* display = x11 ? x11->display() : nullptr;
    xcb_connection_t* c = xcb_connect(display ? DisplayString(display) : nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        xcb_disconnect(c);
        return nullptr;
    }
    return c;
}

// Shared memory of `bytes` attached on both sides; memory null on failure.
uchar* attach(xcb_connection_t* c, xcb_shm_seg_t segment, size_t bytes) {
    const int id = shmget(IPC_PRIVATE, bytes, IPC_CREAT | 0600);
    if (id < 0) return nullptr;
    void* memory = shmat(id, nullptr, 0);
    if (memory == reinterpret_cast<void*>(-1)) {
        shmctl(id, IPC_RMID, nullptr);
        return nullptr;
    }
    Reply<xcb_generic_error_t> error(
        xcb_request_check(c, xcb_shm_attach_checked(c, segment, uint32_t(id), 0)), &std::free);
    // Marked for removal once both sides hold it: it goes when both let go.
    shmctl(id, IPC_RMID, nullptr);
    if (error) {
        shmdt(memory);
        return nullptr;
    }
    return static_cast<uchar*>(memory);
}
} // namespace

std::unique_ptr<WindowSurface> X11SharedSurface::make(QWindow& window) {
    xcb_connection_t* qt = X11::qtConnection();
    if (!qt) return nullptr;
    // Asked over Qt's connection: the answer also means the window exists.
    const auto id = xcb_window_t(window.winId());
    Reply<xcb_get_geometry_reply_t> geometry(
        xcb_get_geometry_reply(qt, xcb_get_geometry(qt, id), nullptr), &std::free);
    if (!geometry || (geometry->depth != 24 && geometry->depth != 32)) return nullptr;
    const QSize pixels(geometry->width, geometry->height);

    xcb_connection_t* c = connectLikeQt();
    if (!c) return nullptr;
    const xcb_query_extension_reply_t* shm = xcb_get_extension_data(c, &xcb_shm_id);
    const xcb_shm_seg_t segment = xcb_generate_id(c);
    uchar* memory = shm && shm->present
                        ? attach(c, segment, size_t(pixels.width()) * pixels.height() * 4)
                        : nullptr;
    if (!memory) {
        xcb_disconnect(c);
        return nullptr;
    }
    return std::unique_ptr<WindowSurface>(new X11SharedSurface(
        {c, segment, memory}, id, geometry->depth, pixels, window.devicePixelRatio()));
}

X11SharedSurface::X11SharedSurface(Shared shared, xcb_window_t window, uint8_t depth, QSize pixels,
                                   double ratio)
    : m_c(shared.connection), m_segment(shared.segment), m_memory(shared.memory), m_window(window),
      m_gc(xcb_generate_id(m_c)), m_depth(depth),
      m_completion(
          uint8_t(xcb_get_extension_data(m_c, &xcb_shm_id)->first_event + XCB_SHM_COMPLETION)),
      m_picture(m_memory, pixels.width(), pixels.height(), pixels.width() * 4,
                QImage::Format_ARGB32_Premultiplied) {
    m_picture.setDevicePixelRatio(ratio);
    m_picture.fill(Qt::transparent);
    const uint32_t noExposures = 0;
    xcb_create_gc(m_c, m_gc, m_window, XCB_GC_GRAPHICS_EXPOSURES, &noExposures);
    xcb_flush(m_c);
}

X11SharedSurface::~X11SharedSurface() {
    collect(true); // the server must be done reading before the memory goes
    xcb_free_gc(m_c, m_gc);
    xcb_shm_detach(m_c, m_segment);
    xcb_disconnect(m_c); // flushes first
    m_picture = QImage();
    shmdt(m_memory);
}

void X11SharedSurface::collect(bool wait) {
    // Completions that came; errors (the window already gone) are dropped.
    while (m_due > 0 && !xcb_connection_has_error(m_c)) {
        Reply<xcb_generic_event_t> event(xcb_poll_for_event(m_c), &std::free);
        if (!event) break;
        if ((event->response_type & 0x7f) == m_completion) --m_due;
    }
    if (wait && m_due > 0 && !xcb_connection_has_error(m_c)) {
        // The server does requests in order: once it answers this one, it
        // has read every part shown before, even a put that failed and will
        // never report its completion.
        std::free(xcb_get_input_focus_reply(m_c, xcb_get_input_focus(m_c), nullptr));
        m_due = 0;
        while (Reply<xcb_generic_event_t>(xcb_poll_for_queued_event(m_c), &std::free)) {
        }
    }
    if (m_due <= 0 || xcb_connection_has_error(m_c)) {
        m_due = 0;
        m_reading = QRegion();
    }
}

void X11SharedSurface::prepare(const QRegion& region) {
    if (m_due > 0 && m_reading.intersects(region)) collect(false);
    if (m_due > 0 && m_reading.intersects(region)) collect(true);
}

QRect X11SharedSurface::devicePixels(const QRect& logical) const {
    const double ratio = m_picture.devicePixelRatio();
    const int left = int(std::floor(logical.left() * ratio));
    const int top = int(std::floor(logical.top() * ratio));
    const int right = int(std::ceil((logical.right() + 1) * ratio));
    const int bottom = int(std::ceil((logical.bottom() + 1) * ratio));
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)) & m_picture.rect();
}

void X11SharedSurface::show(const QRegion& region) {
    if (region.isEmpty() || xcb_connection_has_error(m_c)) return;
    if (m_due > 0) collect(false);
    std::vector<QRect> parts;
    for (const QRect& logical : region)
        if (const QRect r = devicePixels(logical); !r.isEmpty()) parts.push_back(r);
    if (parts.empty()) return;
    for (const QRect& r : parts) {
        // Requests are done in order: the last one's completion covers all.
        const bool last = &r == &parts.back();
        xcb_shm_put_image(m_c, m_window, m_gc, uint16_t(m_picture.width()),
                          uint16_t(m_picture.height()), uint16_t(r.x()), uint16_t(r.y()),
                          uint16_t(r.width()), uint16_t(r.height()), int16_t(r.x()), int16_t(r.y()),
                          m_depth, XCB_IMAGE_FORMAT_Z_PIXMAP, last ? 1 : 0, m_segment, 0);
    }
    ++m_due;
    m_reading += region;
    xcb_flush(m_c);
}
