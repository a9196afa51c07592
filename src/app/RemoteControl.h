#pragma once
// What the running Handwick does with a command from the channel: exactly
// what the same key, menu item or toolbar button does.

#include "app/RemoteCommand.h"

class App;
class CustomHand;
class InkBoard;
class Pointer;
class Prefs;

class RemoteControl {
  public:
    RemoteControl(App& app, Pointer& pointer, Prefs& prefs, CustomHand& custom);

    // Carries out `command`; returns why it could not, or nothing.
    QString perform(const RemoteCommand& command);

  private:
    App& m_app;
    Pointer& m_pointer;
    Prefs& m_prefs;
    CustomHand& m_custom;
};
