#include "XProbe.h"

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <xcb/xcb.h>

namespace {
// Big enough to cover a screen: menus, balloons and the tray icon are smaller.
constexpr int leastOverlaySide = 400;
constexpr int largestTrayIconSide = 64;

// Owns an xcb reply, which may be null.
template <typename T> auto own(T* reply) {
    return std::unique_ptr<T, void (*)(void*)>(reply, std::free);
}
} // namespace

XProbe::XProbe() {
    int screenNumber = 0;
    m_c = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(m_c)) return;
    auto it = xcb_setup_roots_iterator(xcb_get_setup(m_c));
    for (int i = 0; i < screenNumber && it.rem > 1; ++i)
        xcb_screen_next(&it);
    m_root = it.data->root;
    m_screenSize = QSize(it.data->width_in_pixels, it.data->height_in_pixels);
    auto atom =
        own(xcb_intern_atom_reply(m_c, xcb_intern_atom(m_c, 0, 11, "_NET_WM_PID"), nullptr));
    m_pidAtom = atom ? atom->atom : 0;
}

XProbe::~XProbe() {
    if (m_c) xcb_disconnect(m_c);
}

QString XProbe::title(uint32_t window) {
    static const char name[] = "_NET_WM_NAME";
    auto atom =
        own(xcb_intern_atom_reply(m_c, xcb_intern_atom(m_c, 0, sizeof name - 1, name), nullptr));
    if (!atom) return {};
    auto reply = own(xcb_get_property_reply(
        m_c, xcb_get_property(m_c, 0, window, atom->atom, XCB_GET_PROPERTY_TYPE_ANY, 0, 256),
        nullptr));
    if (!reply) return {};
    return QString::fromUtf8(static_cast<const char*>(xcb_get_property_value(reply.get())),
                             xcb_get_property_value_length(reply.get()));
}

bool XProbe::isConnected() const {
    return m_c && !xcb_connection_has_error(m_c) && m_root;
}

void XProbe::collect(uint32_t window, uint32_t pid, QList<Window>& out) {
    auto tree = own(xcb_query_tree_reply(m_c, xcb_query_tree(m_c, window), nullptr));
    if (!tree) return; // the window went away while we looked
    const xcb_window_t* children = xcb_query_tree_children(tree.get());
    for (int i = 0; i < xcb_query_tree_children_length(tree.get()); ++i) {
        const xcb_window_t child = children[i];
        auto owner = own(xcb_get_property_reply(
            m_c, xcb_get_property(m_c, 0, child, m_pidAtom, XCB_ATOM_CARDINAL, 0, 1), nullptr));
        if (owner && xcb_get_property_value_length(owner.get()) >= 4 &&
            *static_cast<uint32_t*>(xcb_get_property_value(owner.get())) == pid) {
            auto attributes = own(xcb_get_window_attributes_reply(
                m_c, xcb_get_window_attributes(m_c, child), nullptr));
            auto geometry = own(xcb_get_geometry_reply(m_c, xcb_get_geometry(m_c, child), nullptr));
            auto where = own(xcb_translate_coordinates_reply(
                m_c, xcb_translate_coordinates(m_c, child, m_root, 0, 0), nullptr));
            if (attributes && geometry && where && attributes->map_state == XCB_MAP_STATE_VIEWABLE)
                out << Window{child, window,
                              QRect(where->dst_x, where->dst_y, geometry->width, geometry->height),
                              bool(attributes->override_redirect)};
        }
        collect(child, pid, out);
    }
}

QList<XProbe::Window> XProbe::windowsOf(int64_t pid) {
    QList<Window> found;
    if (isConnected()) collect(m_root, uint32_t(pid), found);
    return found;
}

bool XProbe::isOverlay(const Window& w) const {
    return w.overrideRedirect && w.parent == m_root && w.rect.width() >= leastOverlaySide &&
           w.rect.height() >= leastOverlaySide;
}

bool XProbe::isTrayIcon(const Window& w) const {
    return w.parent != m_root && w.rect.width() <= largestTrayIconSide &&
           w.rect.height() <= largestTrayIconSide;
}

QList<XProbe::Window> XProbe::overlaysOf(int64_t pid) {
    QList<Window> overlays = windowsOf(pid);
    overlays.removeIf([this](const Window& w) { return !isOverlay(w); });
    return overlays;
}

std::optional<XProbe::Window> XProbe::trayIconOf(int64_t pid) {
    for (const Window& w : windowsOf(pid))
        if (isTrayIcon(w)) return w;
    return std::nullopt;
}

QList<XProbe::Window> XProbe::popupsOf(int64_t pid) {
    QList<Window> popups = windowsOf(pid);
    popups.removeIf([this](const Window& w) { return isOverlay(w) || isTrayIcon(w); });
    return popups;
}

QImage XProbe::screenshot(const QRect& area) {
    const QRect screen(QPoint(0, 0), m_screenSize);
    const QRect r = area.isNull() ? screen : area.intersected(screen);
    if (!isConnected() || r.isEmpty()) return {};
    auto image = own(xcb_get_image_reply(
        m_c,
        xcb_get_image(m_c, XCB_IMAGE_FORMAT_Z_PIXMAP, m_root, int16_t(r.x()), int16_t(r.y()),
                      uint16_t(r.width()), uint16_t(r.height()), ~0u),
        nullptr));
    if (!image || image->depth != 24 ||
        xcb_get_image_data_length(image.get()) < r.width() * r.height() * 4)
        return {};
    // Depth 24 comes as 32 bits per pixel, blue first: Qt's RGB32.
    return QImage(xcb_get_image_data(image.get()), r.width(), r.height(), r.width() * 4,
                  QImage::Format_RGB32)
        .copy();
}

void XProbe::warpMouse(QPoint to) {
    xcb_warp_pointer(m_c, XCB_WINDOW_NONE, m_root, 0, 0, 0, 0, int16_t(to.x()), int16_t(to.y()));
    xcb_flush(m_c);
}

uint32_t XProbe::focusWindow() {
    auto reply = own(xcb_get_input_focus_reply(m_c, xcb_get_input_focus(m_c), nullptr));
    return reply ? reply->focus : 0;
}

bool XProbe::isAbove(uint32_t upper, uint32_t lower) {
    auto tree = own(xcb_query_tree_reply(m_c, xcb_query_tree(m_c, m_root), nullptr));
    if (!tree) return false;
    const xcb_window_t* children = xcb_query_tree_children(tree.get()); // bottom to top
    const int count = xcb_query_tree_children_length(tree.get());
    const auto index = [&](uint32_t w) {
        return int(std::find(children, children + count, w) - children);
    };
    return index(upper) < count && index(lower) < count && index(upper) > index(lower);
}
