#pragma once
// The Hands tab: every hand to choose from, and your own hand made from a
// photo (choose one, remove it, see how the last try went).

#include "ui/settings/SettingsForm.h"

class CustomHand;
class HandSprites;
class Prefs;
class QFileDialog;
class QProgressBar;
class QPushButton;

class HandSettings : public FormPage {
    Q_OBJECT
  public:
    HandSettings(Prefs& prefs, HandSprites& sprites, CustomHand& custom, QWidget* parent = nullptr);

    // Cuts the photo out in the background; the tab shows it working meanwhile.
    void importPhoto(const QString& path);
    // The file dialog's filter: every picture format Handwick can read.
    static QString pictureFilter();

  private:
    void choosePhoto();
    void showCustom();
    void showError();

    CustomHand& m_custom;
    QLabel* m_picture;
    SymbolView* m_placeholder;
    QPushButton* m_choose;
    QPushButton* m_remove;
    QProgressBar* m_busy;
    SecondaryLabel* m_error;
    QFileDialog* m_dialog = nullptr;
    int m_importing = 0; // imports started here and not yet finished
};
