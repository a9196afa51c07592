#include "platform/x11/X11WindowActivation.h"
#include "platform/x11/X11Connection.h"

#include <cstdlib>
#include <memory>

namespace {
// The source indication of a request from a pager or taskbar: window managers
// honour it without the focus-stealing checks they apply to applications,
// which is right for handing the keyboard back to where it was.
constexpr uint32_t sourcePager = 2;
} // namespace

X11WindowActivation::X11WindowActivation(xcb_connection_t* connection)
    : m_connection(connection), m_root(X11::defaultRoot(connection)),
      m_activeAtom(X11::atom(connection, "_NET_ACTIVE_WINDOW")) {}

WindowActivation::WindowId X11WindowActivation::activeWindow() {
    if (m_activeAtom == XCB_ATOM_NONE) return 0;
    const auto cookie =
        xcb_get_property(m_connection, 0, m_root, m_activeAtom, XCB_ATOM_WINDOW, 0, 1);
    std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
        xcb_get_property_reply(m_connection, cookie, nullptr), &std::free);
    if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) < 4) return 0;
    return *static_cast<const xcb_window_t*>(xcb_get_property_value(reply.get()));
}

bool X11WindowActivation::exists(WindowId window) {
    const auto cookie = xcb_get_window_attributes(m_connection, xcb_window_t(window));
    xcb_generic_error_t* error = nullptr;
    auto* reply = xcb_get_window_attributes_reply(m_connection, cookie, &error);
    const bool found = reply != nullptr;
    std::free(error);
    std::free(reply);
    return found;
}

void X11WindowActivation::activate(WindowId window) {
    if (m_activeAtom == XCB_ATOM_NONE) return;
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = xcb_window_t(window);
    message.type = m_activeAtom;
    message.data.data32[0] = sourcePager;
    message.data.data32[1] = m_clock.now();
    message.data.data32[2] = xcb_window_t(activeWindow());
    xcb_send_event(m_connection, 0, m_root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(m_connection);
}
