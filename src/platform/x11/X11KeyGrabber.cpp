#include "platform/x11/X11KeyGrabber.h"
#include "platform/x11/X11Connection.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstdlib>
#include <memory>
#include <xcb/xcb_keysyms.h>

namespace {
constexpr uint32_t numLockSym = 0xff7f;
constexpr uint32_t scrollLockSym = 0xff14;
constexpr uint32_t altLeftSym = 0xffe9;
constexpr uint32_t altRightSym = 0xffea;
constexpr uint8_t xkbNewKeyboardNotify = 0;
constexpr uint8_t xkbMapNotify = 1;

template <typename T> using Reply = std::unique_ptr<T, decltype(&std::free)>;

uint32_t keysymOfLetter(char letter) {
    if (letter >= 'A' && letter <= 'Z') return uint32_t(letter - 'A' + 'a');
    if (letter >= 'a' && letter <= 'z') return uint32_t(letter);
    return 0;
}

uint8_t xkbEventCode(xcb_connection_t* connection) {
    static const char name[] = "XKEYBOARD";
    Reply<xcb_query_extension_reply_t> reply(
        xcb_query_extension_reply(connection,
                                  xcb_query_extension(connection, sizeof name - 1, name), nullptr),
        &std::free);
    return reply && reply->present ? reply->first_event : 0;
}
} // namespace

X11KeyGrabber::X11KeyGrabber(xcb_connection_t* connection, Fire fire)
    : m_connection(connection), m_fire(std::move(fire)), m_roots(X11::roots(connection)),
      m_xkbEvent(xkbEventCode(connection)) {
    readLayout();
    m_regrab.setSingleShot(true);
    m_regrab.setInterval(50);
    QObject::connect(&m_regrab, &QTimer::timeout, [this] { regrabAll(); });
    QCoreApplication::instance()->installNativeEventFilter(this);
}

X11KeyGrabber::~X11KeyGrabber() {
    if (auto* app = QCoreApplication::instance()) app->removeNativeEventFilter(this);
    for (Key& key : m_keys)
        releaseKey(key);
    xcb_flush(m_connection);
    xcb_key_symbols_free(m_symbols);
}

void X11KeyGrabber::grab(quint32 id, char letter) {
    m_keys.push_back(Key{id, keysymOfLetter(letter), {}, {}});
    grabKey(m_keys.back());
}

bool X11KeyGrabber::isActive(quint32 id) const {
    for (const Key& key : m_keys)
        if (key.id == id) return !key.grabs.empty();
    return false;
}

void X11KeyGrabber::retryRefused() {
    for (Key& key : m_keys)
        if (key.grabs.empty()) grabKey(key);
    xcb_flush(m_connection);
}

void X11KeyGrabber::readLayout() {
    xcb_key_symbols_free(m_symbols);
    m_symbols = xcb_key_symbols_alloc(m_connection);

    Reply<xcb_get_modifier_mapping_reply_t> reply(
        xcb_get_modifier_mapping_reply(m_connection, xcb_get_modifier_mapping(m_connection),
                                       nullptr),
        &std::free);
    std::vector<uint8_t> modifierMap;
    int perModifier = 0;
    if (reply) {
        const xcb_keycode_t* codes = xcb_get_modifier_mapping_keycodes(reply.get());
        modifierMap.assign(codes, codes + xcb_get_modifier_mapping_keycodes_length(reply.get()));
        perModifier = reply->keycodes_per_modifier;
    }
    auto holding = [&](std::initializer_list<uint32_t> syms) {
        std::vector<uint8_t> codes;
        for (const uint32_t sym : syms)
            for (const xcb_keycode_t code : keycodesFor(sym))
                codes.push_back(code);
        return GrabModifiers::maskHolding(modifierMap, perModifier, codes);
    };
    m_masks.alt = holding({altLeftSym, altRightSym});
    if (m_masks.alt == 0) m_masks.alt = XCB_MOD_MASK_1;
    m_masks.numLock = holding({numLockSym});
    m_masks.scrollLock = holding({scrollLockSym});
}

std::vector<xcb_keycode_t> X11KeyGrabber::keycodesFor(uint32_t keysym) const {
    std::vector<xcb_keycode_t> found;
    if (keysym == 0 || !m_symbols) return found;
    xcb_keycode_t* codes = xcb_key_symbols_get_keycode(m_symbols, keysym);
    for (xcb_keycode_t* code = codes; code && *code != XCB_NO_SYMBOL; ++code)
        found.push_back(*code);
    std::free(codes);
    return found;
}

void X11KeyGrabber::grabKey(Key& key) {
    key.codes = keycodesFor(key.keysym);
    const uint16_t base = XCB_MOD_MASK_CONTROL | m_masks.alt;
    const std::vector<uint16_t> combinations =
        GrabModifiers::withLocks(base, {XCB_MOD_MASK_LOCK, m_masks.numLock, m_masks.scrollLock});

    std::vector<xcb_void_cookie_t> cookies;
    for (const xcb_window_t root : m_roots)
        for (const xcb_keycode_t code : key.codes)
            for (const uint16_t mods : combinations) {
                // owner_events false: the press goes to the root grab even when one
                // of our own windows (the overlay) has the focus.
                cookies.push_back(xcb_grab_key_checked(m_connection, 0, root, mods, code,
                                                       XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
                key.grabs.push_back(Grab{root, code, mods});
            }

    bool refused = cookies.empty();
    // BadAccess is the usual answer (another client holds the combination);
    // any other error leaves the key just as unusable.
    for (const xcb_void_cookie_t cookie : cookies) {
        if (xcb_generic_error_t* error = xcb_request_check(m_connection, cookie)) {
            refused = true;
            std::free(error);
        }
    }
    // A key held elsewhere in any combination is left to its holder entirely,
    // rather than answering only while some lock happens to be on.
    if (refused) releaseKey(key);
}

void X11KeyGrabber::releaseKey(Key& key) {
    for (const Grab& grab : key.grabs)
        xcb_ungrab_key(m_connection, grab.code, grab.root, grab.modifiers);
    key.grabs.clear();
}

void X11KeyGrabber::regrabAll() {
    for (Key& key : m_keys)
        releaseKey(key);
    m_held.clear();
    m_releasedAt.clear();
    readLayout();
    for (Key& key : m_keys)
        grabKey(key);
    xcb_flush(m_connection);
}

bool X11KeyGrabber::onKey(const xcb_key_press_event_t* event, bool pressed) {
    if (std::find(m_roots.begin(), m_roots.end(), event->event) == m_roots.end()) return false;
    const Key* hit = nullptr;
    for (const Key& key : m_keys)
        for (const Grab& grab : key.grabs)
            if (grab.code == event->detail && grab.root == event->event) hit = &key;
    if (!hit) return false;

    if (!pressed) {
        m_held.erase(event->detail);
        m_releasedAt[event->detail] = event->time;
        return true;
    }
    const uint16_t locks = XCB_MOD_MASK_LOCK | m_masks.numLock | m_masks.scrollLock;
    const uint16_t wanted = XCB_MOD_MASK_CONTROL | m_masks.alt;
    if ((event->state & 0xff & ~locks) != wanted) return false;
    // A held key repeats: either presses alone, or (as Qt's connection gets
    // them) a release and a press at the same moment. Fire once per real press.
    const auto released = m_releasedAt.find(event->detail);
    const bool repeat = !m_held.insert(event->detail).second ||
                        (released != m_releasedAt.end() && event->time - released->second <= 1);
    // The action runs from the event loop, not inside Qt's event dispatch; it
    // is dropped if this grabber goes first.
    if (!repeat)
        QMetaObject::invokeMethod(
            &m_receiver, [this, id = hit->id] { m_fire(id); }, Qt::QueuedConnection);
    return true;
}

bool X11KeyGrabber::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t") return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    const uint8_t type = event->response_type & 0x7f;

    if (type == XCB_KEY_PRESS || type == XCB_KEY_RELEASE)
        return onKey(reinterpret_cast<const xcb_key_press_event_t*>(event), type == XCB_KEY_PRESS);

    // A new layout may put the letters on other keys: grab again. The event
    // stays Qt's as well.
    if (type == XCB_MAPPING_NOTIFY) {
        const auto* mapping = reinterpret_cast<const xcb_mapping_notify_event_t*>(event);
        if (mapping->request != XCB_MAPPING_POINTER) m_regrab.start();
    } else if (m_xkbEvent != 0 && type == m_xkbEvent) {
        const uint8_t xkbType = reinterpret_cast<const uint8_t*>(event)[1];
        if (xkbType == xkbNewKeyboardNotify || xkbType == xkbMapNotify) m_regrab.start();
    }
    return false;
}
