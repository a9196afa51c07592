#pragma once
// The floating toolbar as the pointer sees it: shown on a screen, put away,
// and where it is, so that the hand can give way to the arrow cursor over it.

#include <QRect>

class QScreen;

class Toolbar {
  public:
    virtual ~Toolbar() = default;
    // Places the toolbar at the bottom centre of `screen` and shows it above the overlays.
    virtual void showOn(QScreen* screen) = 0;
    virtual void hide() = 0;
    // The panel's frame in Qt's global coordinates; empty while hidden.
    virtual QRect frame() const = 0;
};
