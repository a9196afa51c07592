#pragma once
// The Drawing tab: the ink's colour, width and fading, the tools and their
// keys, and the spotlight's size.

#include "ui/settings/SettingsForm.h"

class Prefs;
class QComboBox;

class DrawingSettings : public FormPage {
    Q_OBJECT
  public:
    explicit DrawingSettings(Prefs& prefs, QWidget* parent = nullptr);

    // The "Fade away" choices in their order, in seconds.
    static constexpr double kFadeChoices[] = {0, 2, 4, 8};

  private:
    QWidget* makeSwatches();
    void addTools();
    void showFade();

    Prefs& m_prefs;
    QComboBox* m_fade;
};
