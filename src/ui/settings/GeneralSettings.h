#pragma once
// The General tab: open at login, the toolbar, the hand's size and sway, the
// tap sound, and the keys to remember.

#include "sound/TapSound.h"
#include "ui/settings/SettingsForm.h"

#include <functional>

class LoginItem;
class Prefs;
class QCheckBox;
class QComboBox;

class GeneralSettings : public FormPage {
    Q_OBJECT
  public:
    // Plays a sound once at a volume, whatever the mute switch says.
    using Preview = std::function<void(TapSound, double)>;
    GeneralSettings(Prefs& prefs, LoginItem& loginItem, Preview preview, QWidget* parent = nullptr);

  protected:
    // Another tool may have changed the autostart entry meanwhile.
    void showEvent(QShowEvent* event) override;

  private:
    void addShortcuts();
    void showLoginItem();
    void showSound();

    Prefs& m_prefs;
    LoginItem& m_loginItem;
    Preview m_preview;
    QCheckBox* m_atLogin;
    QCheckBox* m_tapSound;
    QComboBox* m_sound;
    RealSlider* m_volume;
    QWidget* m_soundRow;
    QWidget* m_volumeRow;
};
