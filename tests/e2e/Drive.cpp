#include "Drive.h"

#include <QElapsedTimer>
#include <QSettings>
#include <QTest>
#include <algorithm>
#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

bool xdo(const QString& commands) {
    return QProcess::execute("xdotool", commands.split(' ', Qt::SkipEmptyParts)) == 0;
}

bool waitFor(const std::function<bool()>& check, int ms) {
    QElapsedTimer timer;
    timer.start();
    while (!check()) {
        if (timer.elapsed() > ms) return false;
        QTest::qWait(30);
    }
    return true;
}

bool sessionWithout(const char* part) {
    return qEnvironmentVariable("HANDWICK_E2E_WITHOUT").split(' ').contains(part);
}

OtherClient::OtherClient() : m_c(xcb_connect(nullptr, nullptr)) {
    if (xcb_connection_has_error(m_c)) return;
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(m_c)).data;
    m_root = screen->root;
    m_visual = screen->root_visual;
}

OtherClient::~OtherClient() {
    xcb_disconnect(m_c);
}

bool OtherClient::holdKey(char letter) {
    if (!m_root) return false;
    xcb_key_symbols_t* symbols = xcb_key_symbols_alloc(m_c);
    xcb_keycode_t* codes = xcb_key_symbols_get_keycode(symbols, xcb_keysym_t(letter | 0x20));
    bool held = false;
    if (codes && *codes != XCB_NO_SYMBOL) {
        xcb_generic_error_t* refused = xcb_request_check(
            m_c, xcb_grab_key_checked(m_c, 0, m_root, XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1, *codes,
                                      XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
        held = !refused;
        std::free(refused);
    }
    std::free(codes);
    xcb_key_symbols_free(symbols);
    return held;
}

uint32_t OtherClient::showWindow() {
    if (!m_root) return 0;
    const xcb_window_t id = xcb_generate_id(m_c);
    xcb_create_window(m_c, XCB_COPY_FROM_PARENT, id, m_root, 100, 100, 320, 200, 0,
                      XCB_WINDOW_CLASS_INPUT_OUTPUT, m_visual, 0, nullptr);
    xcb_map_window(m_c, id);
    xcb_flush(m_c);
    return id;
}

Handwick::Handwick(const QVariantMap& settings, const QProcessEnvironment& env) : app(env) {
    QSettings file(app.home() + "/config/Handwick/Handwick.ini", QSettings::IniFormat);
    for (auto it = settings.begin(); it != settings.end(); ++it)
        file.setValue(it.key(), *it);
}

bool Handwick::start(bool withTray) {
    return x.isConnected() && app.start() && waitFor([&] {
               return withTray ? x.trayIconOf(app.pid()).has_value()
                               : !x.popupsOf(app.pid()).isEmpty();
           });
}

bool Handwick::turnOn(QPoint mouse) {
    moveMouse(mouse);
    return pressFor("ctrl+alt+h", 1) && overlayHasKeyboard();
}

bool Handwick::pressFor(const QString& keys, qsizetype count) {
    press(keys);
    return waitFor([&] { return overlays() == count; }) && app.isRunning();
}

bool Handwick::overlayHasKeyboard() {
    return waitFor([&] {
        const auto overlays = x.overlaysOf(app.pid());
        const uint32_t focus = x.focusWindow();
        return std::any_of(overlays.begin(), overlays.end(),
                           [focus](const XProbe::Window& w) { return w.id == focus; });
    });
}
