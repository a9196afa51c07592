// The mouse and keys that reach an overlay window.

#include "overlay/KeyCommands.h"
#include "overlay/OverlayWindow.h"
#include "overlay/Pointer.h"
#include "platform/KeyCharacters.h"
#include "prefs/Prefs.h"

#include <QKeyEvent>

void Pointer::pressed(QPointF point, Qt::MouseButton button, OverlayView& view) {
    wake();
    if (button == Qt::LeftButton) {
        m_motion.poke = 1.0;
        m_ink.down(point, view);
    } else if (button == Qt::RightButton) {
        m_ink.undo();
    }
}

void Pointer::moved(QPointF point, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers,
                    OverlayView& view) {
    // The position the event brings spares the next frame a round trip to the server.
    for (const auto& window : m_windows)
        if (&window->view() == &view) {
            m_mouse = window->modelFrame().topLeft() + point;
            m_mouseHeard = true;
        }
    if (m_isOn) m_clock.wake(true);
    if (buttons & Qt::LeftButton) m_ink.dragged(point, modifiers & Qt::ShiftModifier, view);
}

void Pointer::released(Qt::MouseButton button, OverlayView& view) {
    if (button == Qt::LeftButton) m_ink.up(view);
}

bool Pointer::keyPressed(const QKeyEvent& event) {
    const KeyCommands::Command command = KeyCommands::commandFor(
        event.key(), event.modifiers(), KeyCharacters::ignoringModifiers(event));
    if (command.action == KeyCommands::Action::none) return false;
    perform(command);
    return true;
}

void Pointer::perform(const KeyCommands::Command& command) {
    switch (command.action) {
    case KeyCommands::Action::none:
        break;
    case KeyCommands::Action::turnOff:
        turnOff();
        break;
    case KeyCommands::Action::undo:
        m_ink.undo();
        break;
    case KeyCommands::Action::clear:
        m_ink.clear();
        break;
    case KeyCommands::Action::toggleLaser:
        m_prefs.setLaser(!m_prefs.laser());
        break;
    case KeyCommands::Action::toggleSpotlight:
        toggleSpotlight();
        break;
    case KeyCommands::Action::toggleToolbar:
        setToolbarVisible(!m_prefs.showToolbar());
        break;
    case KeyCommands::Action::chooseTool:
        choose(command.tool);
        break;
    }
}
