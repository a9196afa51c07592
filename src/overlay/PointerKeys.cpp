// Keys pressed on the overlay.
#include "overlay/KeyCommands.h"
#include "overlay/Pointer.h"
#include "platform/KeyCharacters.h"
#include "prefs/Prefs.h"

#include <QKeyEvent>

bool Pointer::key(const QKeyEvent& event) {
    const KeyCommands::Command command = KeyCommands::commandFor(
        event.key(), event.modifiers(), KeyCharacters::ignoringModifiers(event));
    Prefs& prefs = Prefs::shared();
    switch (command.action) {
    case KeyCommands::Action::none:
        return false;
    case KeyCommands::Action::turnOff:
        turnOff();
        break;
    case KeyCommands::Action::undo:
        undo();
        break;
    case KeyCommands::Action::clear:
        clear();
        break;
    case KeyCommands::Action::toggleLaser:
        prefs.setLaser(!prefs.laser());
        break;
    case KeyCommands::Action::toggleSpotlight:
        toggleSpotlight();
        break;
    case KeyCommands::Action::toggleToolbar:
        // The setting is what the toolbar panel follows, once there is one.
        prefs.setShowToolbar(!prefs.showToolbar());
        break;
    case KeyCommands::Action::chooseTool:
        choose(command.tool);
        break;
    }
    return true;
}
