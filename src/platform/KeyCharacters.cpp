#include "platform/KeyCharacters.h"

#include "platform/x11/X11Connection.h"
#include "platform/x11/X11KeyCharacters.h"

#include <QKeyEvent>

namespace KeyCharacters {

QString ignoringModifiers(const QKeyEvent& event) {
    const bool shift = event.modifiers() & Qt::ShiftModifier;
    if (xcb_connection_t* connection = X11::qtConnection()) {
        if (auto text = X11KeyCharacters::text(connection, event.nativeScanCode(), shift))
            return *text;
    }
    return fromQtKey(event.key(), event.modifiers(), event.text());
}

QString fromQtKey(int key, Qt::KeyboardModifiers modifiers, const QString& text) {
    // Qt names letter keys by their capital whatever Shift says.
    if (key >= Qt::Key_A && key <= Qt::Key_Z) {
        const QChar letter(key);
        return (modifiers & Qt::ShiftModifier) ? QString(letter) : QString(letter.toLower());
    }
    if (key > Qt::Key_Space && key <= Qt::Key_AsciiTilde) return QString(QChar(key));
    // Ctrl turns letters into control characters; those say nothing.
    for (const QChar c : text)
        if (!c.isPrint()) return {};
    return text;
}

} // namespace KeyCharacters
