#pragma once
// The character a key gives regardless of Ctrl, Alt, Super and Caps Lock, but
// with Shift as held: Ctrl+Z gives "z", Ctrl+Shift+Z "Z", and a letter key
// gives its own letter whatever Ctrl turns its text into.

#include <QString>
#include <Qt>

class QKeyEvent;

namespace KeyCharacters {
// From the key's place on the keyboard where the platform tells it (X11),
// else from Qt's key code and text.
QString ignoringModifiers(const QKeyEvent& event);

// The fallback: Qt's key code and the event's text. Empty when the key gives
// no printable character.
QString fromQtKey(int key, Qt::KeyboardModifiers modifiers, const QString& text);
} // namespace KeyCharacters
