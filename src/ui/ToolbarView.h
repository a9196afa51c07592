#pragma once
// The toolbar's row of controls on its capsule: hand, laser, the drawing
// tools, the ink colours, spotlight, undo, clear, sound and off. It follows
// the settings and the ink board as they change, repainting only the buttons
// whose look changed.

#include "prefs/InkColor.h"
#include "prefs/Tool.h"
#include <QWidget>
#include <map>

class HandSprites;
class InkBoard;
class Pointer;
class Prefs;
class SwatchButton;
class ToolButton;

class ToolbarView : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kSpacing = 6;
    static constexpr QMargins kMargins{8, 6, 8, 6};

    ToolbarView(Prefs& prefs, Pointer& pointer, InkBoard& ink, HandSprites& sprites,
                QWidget* parent = nullptr);

    // Where the hand chooser opens from.
    ToolButton* handButton() const { return m_hand; }

  signals:
    // The hand button was clicked: open or close the hand chooser.
    void handButtonClicked();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    ToolButton* addButton(const QString& name, const QString& symbol, const QString& toolTip);
    void addDivider();
    void showHand();
    void showMode();
    void showColor();
    void showSound();
    void showInk();

    Prefs& m_prefs;
    InkBoard& m_ink;
    HandSprites& m_sprites;

    ToolButton* m_hand = nullptr;
    ToolButton* m_laser = nullptr;
    std::map<Tool, ToolButton*> m_tools;
    std::map<InkColor, SwatchButton*> m_swatches;
    ToolButton* m_spotlight = nullptr;
    ToolButton* m_undo = nullptr;
    ToolButton* m_clear = nullptr;
    ToolButton* m_sound = nullptr;
};
