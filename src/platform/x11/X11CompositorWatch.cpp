// The compositor announces itself by owning the _NET_WM_CM_S<screen>
// selection; XFixes reports every change of that owner, with no polling.
#include "platform/CompositorWatch.h"
#include "platform/x11/X11Connection.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <cstdlib>
#include <string>
#include <xcb/xfixes.h>

namespace {
class X11CompositorWatch final : public CompositorWatch, public QAbstractNativeEventFilter {
  public:
    X11CompositorWatch(xcb_connection_t* connection, uint8_t firstEvent)
        : m_notify(uint8_t(firstEvent + XCB_XFIXES_SELECTION_NOTIFY)) {
        const std::string name = "_NET_WM_CM_S" + std::to_string(X11::defaultScreenNumber());
        m_selection = X11::atom(connection, name);
        xcb_xfixes_select_selection_input(
            connection, X11::defaultRoot(connection), m_selection,
            XCB_XFIXES_SELECTION_EVENT_MASK_SET_SELECTION_OWNER |
                XCB_XFIXES_SELECTION_EVENT_MASK_SELECTION_WINDOW_DESTROY |
                XCB_XFIXES_SELECTION_EVENT_MASK_SELECTION_CLIENT_CLOSE);
        xcb_flush(connection);
        QCoreApplication::instance()->installNativeEventFilter(this);
    }
    ~X11CompositorWatch() override {
        if (auto* app = QCoreApplication::instance()) app->removeNativeEventFilter(this);
    }

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
        if (type != "xcb_generic_event_t") return false;
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if ((event->response_type & 0x7f) != m_notify) return false;
        const auto* notify = reinterpret_cast<const xcb_xfixes_selection_notify_event_t*>(event);
        if (notify->selection == m_selection) emit changed();
        return false;
    }

  private:
    uint8_t m_notify;
    xcb_atom_t m_selection = XCB_ATOM_NONE;
};

class SilentWatch final : public CompositorWatch {};
} // namespace

std::unique_ptr<CompositorWatch> CompositorWatch::forThisDesktop() {
    xcb_connection_t* connection = X11::qtConnection();
    const xcb_query_extension_reply_t* xfixes =
        connection ? xcb_get_extension_data(connection, &xcb_xfixes_id) : nullptr;
    if (!xfixes || !xfixes->present) return std::make_unique<SilentWatch>();
    // XFixes answers selection requests only once the client said which version it speaks.
    std::free(xcb_xfixes_query_version_reply(
        connection, xcb_xfixes_query_version(connection, XCB_XFIXES_MAJOR_VERSION, 0), nullptr));
    return std::make_unique<X11CompositorWatch>(connection, xfixes->first_event);
}
