#pragma once
// The hand chooser that opens above the toolbar's hand button: a bubble with
// a grid of hands, pointing at the button. It stays open while hands are
// chosen and closes on a second click of the button, Escape, or a click
// anywhere else.
//
// It is a tool window that never takes the keyboard focus rather than a
// Qt::Popup: a popup grabs the keyboard and mouse, and Qt sends it every
// key while it is open, which would take the overlay's keys away. Escape and
// outside clicks are watched for through an application event filter instead.

#include <QImage>
#include <QPointer>
#include <QWidget>

class CustomHand;
class HandGrid;
class HandSprites;
class Prefs;

class HandPopover : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kInset = 12;
    static constexpr int kArrowHeight = 8;

    HandPopover(Prefs& prefs, HandSprites& sprites, const CustomHand& custom,
                QWidget* parent = nullptr);
    ~HandPopover() override;

    // Opens pointing at the top edge of `anchor`, or closes if already open.
    void toggle(QWidget* anchor);
    void open(QWidget* anchor);
    void dismiss();

    HandGrid& grid() const { return *m_grid; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void stopWatching();
    void place();
    QPainterPath outline(double inset) const;

    HandGrid* m_grid;
    QPointer<QWidget> m_anchor;
    double m_arrowX = 0; // the arrow tip's x in this window
    QImage m_shadow;
    bool m_watching = false;
    // Until the button comes up again after an outside click closed the chooser.
    bool m_swallowing = false;
};
