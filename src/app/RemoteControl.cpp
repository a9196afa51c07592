#include "app/RemoteControl.h"
#include "app/App.h"
#include "handart/CustomHand.h"
#include "handart/HandChoice.h"
#include "handart/HandSkin.h"
#include "overlay/Pointer.h"
#include "prefs/Prefs.h"

#include <QCoreApplication>

RemoteControl::RemoteControl(App& app, Pointer& pointer, Prefs& prefs, CustomHand& custom)
    : m_app(app), m_pointer(pointer), m_prefs(prefs), m_custom(custom) {}

QString RemoteControl::perform(const RemoteCommand& command) {
    using KeyCommands::Action;
    if (const QString why = RemoteCommands::problem(command); !why.isEmpty()) return why;
    const QString& name = command.name;
    const QString& value = command.argument;
    if (name == QLatin1String("toggle")) {
        m_app.togglePointer();
    } else if (name == QLatin1String("on")) {
        if (!m_pointer.isOn()) m_app.togglePointer();
    } else if (name == QLatin1String("off")) {
        if (m_pointer.isOn()) m_app.togglePointer();
    } else if (name == QLatin1String("clear")) {
        m_app.clearInk();
    } else if (name == QLatin1String("undo")) {
        m_pointer.perform({Action::undo});
    } else if (name == QLatin1String("spotlight")) {
        m_app.toggleSpotlight();
    } else if (name == QLatin1String("laser")) {
        m_pointer.perform({Action::toggleLaser});
    } else if (name == QLatin1String("tool")) {
        m_pointer.perform({Action::chooseTool, *fromRawValue<Tool>(value)});
    } else if (name == QLatin1String("color")) {
        m_prefs.setColor(*fromRawValue<InkColor>(value));
    } else if (name == QLatin1String("hand")) {
        if (value == HandSkin::custom().id && !m_custom.hasImage())
            return QCoreApplication::translate(
                "RemoteControl",
                "there is no hand of your own yet; make one with --import-hand PHOTO");
        HandChoice::choose(m_prefs, value);
    } else if (name == RemoteCommands::reopen) {
        m_app.reopen();
    } else if (name == RemoteCommands::reloadHand) {
        m_custom.reload();
    }
    return {};
}
