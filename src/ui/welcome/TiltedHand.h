#pragma once
// The classic hand, tilted, as a picture in a window: painted once at the
// screen's pixel ratio when it first shows and kept.

#include "handart/HandSprite.h"

#include <QWidget>

class TiltedHand : public QWidget {
  public:
    // `height` in points; `degrees` clockwise.
    TiltedHand(double height, double degrees, QWidget* parent = nullptr);

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const HandSprite& sprite();

    double m_height;
    double m_degrees;
    HandSprite m_sprite;
    double m_spriteRatio = 0;
};
