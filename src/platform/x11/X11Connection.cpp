#include "platform/x11/X11Connection.h"

#include <QGuiApplication>
#include <cstdlib>
#include <memory>

namespace X11 {

xcb_connection_t* qtConnection() {
    if (!qGuiApp) return nullptr;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

int defaultScreenNumber() {
    char* host = nullptr;
    int display = 0;
    int screen = 0;
    if (!xcb_parse_display(nullptr, &host, &display, &screen)) return 0;
    std::free(host);
    return screen;
}

std::vector<xcb_window_t> roots(xcb_connection_t* connection) {
    std::vector<xcb_window_t> found;
    for (auto it = xcb_setup_roots_iterator(xcb_get_setup(connection)); it.rem;
         xcb_screen_next(&it))
        found.push_back(it.data->root);
    return found;
}

xcb_window_t defaultRoot(xcb_connection_t* connection) {
    const std::vector<xcb_window_t> all = roots(connection);
    const auto wanted = std::size_t(defaultScreenNumber());
    if (all.empty()) return XCB_WINDOW_NONE;
    return wanted < all.size() ? all[wanted] : all.front();
}

xcb_atom_t atom(xcb_connection_t* connection, const std::string& name) {
    const auto cookie = xcb_intern_atom(connection, 0, uint16_t(name.size()), name.data());
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(connection, cookie, nullptr), &std::free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

} // namespace X11
