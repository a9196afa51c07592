#pragma once
// The settings window: a row of tab buttons (icon over title) and the
// selected tab beneath, the window exactly as large as that tab. It is an
// ordinary window the user can leave anywhere; closing it only hides it, so
// it comes back where it was, on the tab it showed. Every control writes
// through to the settings at once and follows changes made elsewhere.

#include "sound/TapSound.h"
#include "ui/settings/SettingsTab.h"

#include <QWidget>
#include <array>
#include <functional>

class CustomHand;
class HandSprites;
class LoginItem;
class Prefs;
class QAction;
class QButtonGroup;

class SettingsWindowController : public QWidget {
    Q_OBJECT
  public:
    struct Services {
        Prefs& prefs;
        HandSprites& sprites;
        CustomHand& custom;
        LoginItem& loginItem;
        // Plays a tap sound once at a volume (the sound picker's preview).
        std::function<void(TapSound, double)> preview;
        // The update check; null when this build has none.
        QAction* checkForUpdates = nullptr;
    };

    static constexpr std::array<SettingsTab, 4> order = {SettingsTab::general, SettingsTab::hands,
                                                         SettingsTab::drawing, SettingsTab::about};
    // The size of a tab's content, in points.
    static QSize contentSize(SettingsTab tab);

    explicit SettingsWindowController(const Services& services, QWidget* parent = nullptr);

    SettingsTab selected() const { return m_selected; }
    void select(SettingsTab tab);
    QWidget* page(SettingsTab tab) const;
    // Shows the window (centred the first time, afterwards where it was
    // left) and brings it to the front.
    void showAndRaise();

  private:
    static int position(SettingsTab tab);

    std::array<QWidget*, 4> m_pages{};
    QWidget* m_host;
    QButtonGroup* m_buttons;
    SettingsTab m_selected = SettingsTab::general;
    bool m_placed = false;
};
