#pragma once
// What a key gives on X11, looked up by its key code in the server's keyboard
// mapping, ignoring every modifier except Shift.

#include <QString>
#include <cstdint>
#include <optional>
#include <xcb/xcb.h>

namespace X11KeyCharacters {
// The text of the key at `keycode`, unshifted or shifted; an empty text for
// a key that gives no character. Nothing when the mapping cannot say (no key
// code, or a keypad key whose digits depend on Num Lock).
std::optional<QString> text(xcb_connection_t* connection, uint32_t keycode, bool shift);

// The character of a keysym: Latin-1 and Unicode keysyms; empty otherwise.
QString keysymText(uint32_t keysym);
} // namespace X11KeyCharacters
