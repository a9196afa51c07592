#include "Drive.h"

#include <QDir>
#include <QElapsedTimer>
#include <QSettings>
#include <QTest>
#include <algorithm>
#include <cstdlib>
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

bool near(const QColor& a, const QColor& b, int tolerance) {
    return std::abs(a.red() - b.red()) <= tolerance &&
           std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

void keep(const QImage& image, const QString& name) {
    const QString dir = qEnvironmentVariable("HANDWICK_E2E_SHOTS");
    if (dir.isEmpty() || image.isNull()) return;
    QDir().mkpath(dir);
    image.save(dir + '/' + name + ".png");
}

KeyHolder::KeyHolder(char letter) : m_c(xcb_connect(nullptr, nullptr)) {
    if (xcb_connection_has_error(m_c)) return;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(m_c)).data->root;
    xcb_key_symbols_t* symbols = xcb_key_symbols_alloc(m_c);
    xcb_keycode_t* codes = xcb_key_symbols_get_keycode(symbols, xcb_keysym_t(letter | 0x20));
    if (codes && *codes != XCB_NO_SYMBOL) {
        xcb_generic_error_t* refused = xcb_request_check(
            m_c, xcb_grab_key_checked(m_c, 0, root, XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1, *codes,
                                      XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
        m_holds = !refused;
        std::free(refused);
    }
    std::free(codes);
    xcb_key_symbols_free(symbols);
}

KeyHolder::~KeyHolder() {
    xcb_disconnect(m_c);
}

Handwick::Handwick(const QVariantMap& settings, const QProcessEnvironment& env) : app(env) {
    QSettings file(app.settingsFile(), QSettings::IniFormat);
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
