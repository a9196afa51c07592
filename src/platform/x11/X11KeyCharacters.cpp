#include "platform/x11/X11KeyCharacters.h"

#include <xcb/xcb_keysyms.h>

namespace {
constexpr uint32_t firstKeypadKeysym = 0xff80, lastKeypadKeysym = 0xffbd;
constexpr uint32_t unicodeKeysymBase = 0x01000000;
} // namespace

namespace X11KeyCharacters {

std::optional<QString> text(xcb_connection_t* connection, uint32_t keycode, bool shift) {
    if (!connection || keycode < 8 || keycode > 255) return std::nullopt;
    // Fetched afresh: keys are rare, and the mapping may have changed since.
    xcb_key_symbols_t* symbols = xcb_key_symbols_alloc(connection);
    if (!symbols) return std::nullopt;
    const auto code = xcb_keycode_t(keycode);
    const xcb_keysym_t plain = xcb_key_symbols_get_keysym(symbols, code, 0);
    const xcb_keysym_t shifted = xcb_key_symbols_get_keysym(symbols, code, 1);
    xcb_key_symbols_free(symbols);
    if (plain >= firstKeypadKeysym && plain <= lastKeypadKeysym) return std::nullopt;
    const xcb_keysym_t chosen = shift && shifted != XCB_NO_SYMBOL ? shifted : plain;
    return keysymText(chosen);
}

QString keysymText(uint32_t keysym) {
    if ((keysym >= 0x20 && keysym <= 0x7e) || (keysym >= 0xa0 && keysym <= 0xff))
        return QString(QChar(char16_t(keysym)));
    if (keysym >= unicodeKeysymBase + 0x100 && keysym <= unicodeKeysymBase + 0x10ffff) {
        const char32_t code = keysym - unicodeKeysymBase;
        return QString::fromUcs4(&code, 1);
    }
    return {};
}

} // namespace X11KeyCharacters
