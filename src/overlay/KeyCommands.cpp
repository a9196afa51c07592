#include "overlay/KeyCommands.h"

namespace KeyCommands {

Command commandFor(int key, Qt::KeyboardModifiers modifiers, const QString& characters) {
    if (key == Qt::Key_Escape) return {Action::turnOff};
    if ((modifiers & Qt::ControlModifier) && characters == QLatin1String("z"))
        return {Action::undo};
    if (key == Qt::Key_Backspace || key == Qt::Key_Delete) return {Action::clear};
    // Shift, Caps Lock and the keypad change no command; the rest make keys
    // with other meanings (AltGr is Qt's group switch).
    constexpr Qt::KeyboardModifiers commandModifiers =
        Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier | Qt::GroupSwitchModifier;
    if (modifiers & commandModifiers) return {};
    if (characters.isEmpty()) return {};
    const QString c = characters.toLower();
    if (c == QLatin1String("l")) return {Action::toggleLaser};
    if (c == QLatin1String("s")) return {Action::toggleSpotlight};
    if (c == QLatin1String("t")) return {Action::toggleToolbar};
    if (c.size() == 1 && c[0] >= QLatin1Char('1') && c[0] <= QLatin1Char('5'))
        return {Action::chooseTool, allCases<Tool>()[std::size_t(c[0].unicode() - '1')]};
    return {};
}

} // namespace KeyCommands
