// Stacking changes come as structure events of the root window's children;
// motion comes as XInput2 raw motion on the root window, which the server
// sends whoever holds the pointer. Both are selected only while watching.
#include "platform/DesktopWatch.h"
#include "platform/headless/HeadlessDesktopWatch.h"
#include "platform/x11/X11Connection.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QWindow>
#include <algorithm>
#include <cstdlib>
#include <xcb/xinput.h>

namespace {
struct RawMotionMask {
    xcb_input_event_mask_t head{XCB_INPUT_DEVICE_ALL_MASTER, 1};
    uint32_t bits = 0;
};

// Whether `window` is one of this program's top-level windows.
bool isOwn(xcb_window_t window) {
    const auto windows = QGuiApplication::topLevelWindows();
    return std::any_of(windows.begin(), windows.end(), [window](const QWindow* own) {
        return own->handle() && own->winId() == window;
    });
}

class X11DesktopWatch final : public DesktopWatch, public QAbstractNativeEventFilter {
  public:
    X11DesktopWatch(xcb_connection_t* connection, int xinputOpcode)
        : m_c(connection), m_root(X11::defaultRoot(connection)), m_xinput(xinputOpcode) {}
    ~X11DesktopWatch() override { stop(); }

    void start() override {
        if (m_watching) return;
        m_watching = true;
        QCoreApplication::instance()->installNativeEventFilter(this);
        // Qt listens on the root window too: its events stay selected.
        auto* attributes =
            xcb_get_window_attributes_reply(m_c, xcb_get_window_attributes(m_c, m_root), nullptr);
        m_rootMask = attributes ? attributes->your_event_mask : 0;
        std::free(attributes);
        const uint32_t mask = m_rootMask | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(m_c, m_root, XCB_CW_EVENT_MASK, &mask);
        selectRawMotion(true);
        xcb_flush(m_c);
    }

    void stop() override {
        if (!m_watching) return;
        m_watching = false;
        if (auto* app = QCoreApplication::instance()) app->removeNativeEventFilter(this);
        xcb_change_window_attributes(m_c, m_root, XCB_CW_EVENT_MASK, &m_rootMask);
        selectRawMotion(false);
        xcb_flush(m_c);
    }

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
        if (type != "xcb_generic_event_t") return false;
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        switch (event->response_type & 0x7f) {
        case XCB_GE_GENERIC: {
            const auto* ge = reinterpret_cast<const xcb_ge_generic_event_t*>(event);
            if (ge->extension != m_xinput || ge->event_type != XCB_INPUT_RAW_MOTION) return false;
            emit mouseMoved();
            return true; // selected here, of no interest to Qt
        }
        case XCB_MAP_NOTIFY: {
            const auto* map = reinterpret_cast<const xcb_map_notify_event_t*>(event);
            if (map->event == m_root && !isOwn(map->window)) emit covered();
            return false;
        }
        case XCB_CONFIGURE_NOTIFY: {
            const auto* configure = reinterpret_cast<const xcb_configure_notify_event_t*>(event);
            // Stacked right above one of ours: above them all, since ours are on top.
            if (configure->event == m_root && configure->above_sibling != XCB_WINDOW_NONE &&
                !isOwn(configure->window) && isOwn(configure->above_sibling))
                emit covered();
            return false;
        }
        case XCB_CIRCULATE_NOTIFY: {
            const auto* circulate = reinterpret_cast<const xcb_circulate_notify_event_t*>(event);
            if (circulate->event == m_root && circulate->place == XCB_PLACE_ON_TOP &&
                !isOwn(circulate->window))
                emit covered();
            return false;
        }
        default:
            return false;
        }
    }

  private:
    void selectRawMotion(bool on) {
        if (m_xinput < 0) return;
        RawMotionMask mask;
        mask.bits = on ? XCB_INPUT_XI_EVENT_MASK_RAW_MOTION : 0;
        xcb_input_xi_select_events(m_c, m_root, 1, &mask.head);
    }

    xcb_connection_t* m_c;
    xcb_window_t m_root;
    int m_xinput; // the extension's opcode; -1 without XInput 2
    uint32_t m_rootMask = 0;
    bool m_watching = false;
};

// XInput's opcode when the server speaks version 2 of it, else -1.
int xinput2Opcode(xcb_connection_t* c) {
    const xcb_query_extension_reply_t* xinput = xcb_get_extension_data(c, &xcb_input_id);
    if (!xinput || !xinput->present) return -1;
    // Qt has already asked for version 2.4 at most; asking lower is an error.
    auto* version =
        xcb_input_xi_query_version_reply(c, xcb_input_xi_query_version(c, 2, 4), nullptr);
    const bool two = version && version->major_version >= 2;
    std::free(version);
    return two ? xinput->major_opcode : -1;
}
} // namespace

std::unique_ptr<DesktopWatch> DesktopWatch::forThisDesktop() {
    xcb_connection_t* connection = X11::qtConnection();
    if (!connection) return std::make_unique<HeadlessDesktopWatch>();
    return std::make_unique<X11DesktopWatch>(connection, xinput2Opcode(connection));
}
