#pragma once
// The floating toolbar window: the row of controls on its capsule, with room
// around it for the shadow, above the overlays at the bottom of a screen. It
// never takes the keyboard focus, so the overlay keeps its keys; the hand
// chooser opens from it.

#include "overlay/Toolbar.h"
#include <QImage>
#include <QWidget>

class CustomHand;
class HandPopover;
class HandSprites;
class InkBoard;
class Pointer;
class Prefs;
class ToolbarView;

class ToolbarPanel : public QWidget, public Toolbar {
    Q_OBJECT
  public:
    // Empty room on every side of the capsule for its shadow.
    static constexpr int kInset = 14;
    // Between the window's bottom edge and the screen's.
    static constexpr int kBottomGap = 18;

    ToolbarPanel(Prefs& prefs, Pointer& pointer, InkBoard& ink, HandSprites& sprites,
                 const CustomHand& custom);
    ~ToolbarPanel() override;

    // The window's top-left for a window of `size`: centred on the screen's
    // available area (clear of side panels), kBottomGap above the screen's
    // bottom edge.
    static QPoint placement(const QRect& screenGeometry, const QRect& available, const QSize& size);

    // A null screen leaves the toolbar hidden.
    void showOn(QScreen* screen) override;
    void hide() override;
    QRect frame() const override;

    ToolbarView& view() const { return *m_view; }
    HandPopover& handChooser() const { return *m_handChooser; }

  signals:
    // The mouse came onto the toolbar (the overlay beneath hears no motion
    // then) or left it.
    void entered();

  protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    ToolbarView* m_view;
    HandPopover* m_handChooser;
    QImage m_shadow;
};
