#include "platform/DesktopChecks.h"
#include "platform/x11/X11Connection.h"

#include <QByteArrayList>
#include <QtGlobal>
#include <cstdlib>
#include <memory>
#include <string>

namespace DesktopChecks {

namespace {
// The platform Qt tries first: "xcb:option=x;offscreen" is "xcb"; unset is "".
QByteArray firstPlatform() {
    const QByteArray list = qgetenv("QT_QPA_PLATFORM");
    return list.split(';').first().split(':').first().trimmed();
}

bool canConnectToX() {
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    const bool connected = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return connected;
}
} // namespace

bool hasDisplay() {
    const QByteArray platform = firstPlatform();
    if (!platform.isEmpty() && platform != "xcb") return true;
    if (canConnectToX()) return true;
    return platform.isEmpty() && !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

bool hasCompositor() {
    xcb_connection_t* connection = X11::qtConnection();
    if (!connection) return true;
    const std::string name = "_NET_WM_CM_S" + std::to_string(X11::defaultScreenNumber());
    const xcb_atom_t selection = X11::atom(connection, name);
    if (selection == XCB_ATOM_NONE) return false;
    std::unique_ptr<xcb_get_selection_owner_reply_t, decltype(&std::free)> reply(
        xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, selection),
                                      nullptr),
        &std::free);
    return reply && reply->owner != XCB_WINDOW_NONE;
}

} // namespace DesktopChecks
