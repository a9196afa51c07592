#pragma once
// What a key pressed on the overlay means: Escape, Ctrl+Z, Backspace and
// Delete, and the single letters and digits that work the ink.

#include "prefs/Tool.h"

#include <QString>
#include <Qt>

namespace KeyCommands {
enum class Action {
    none,
    turnOff,
    undo,
    clear,
    toggleLaser,
    toggleSpotlight,
    toggleToolbar,
    chooseTool
};

struct Command {
    Action action = Action::none;
    Tool tool = Tool::pen; // for chooseTool
    bool operator==(const Command&) const = default;
};

// `key` is Qt's key code, `characters` the text the key gives with Shift as
// held and every other modifier ignored ("z" for Ctrl+Z, "Z" for
// Ctrl+Shift+Z). Escape, Backspace and Delete go by key whatever is held;
// otherwise a held Ctrl, Alt or Super leaves the key unhandled.
Command commandFor(int key, Qt::KeyboardModifiers modifiers, const QString& characters);
} // namespace KeyCommands
