#pragma once
// Reading the hand and the ink off screenshots.

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

namespace ScreenCheck {

// How the pixels that changed between two pictures of the same area lie
// around `mouse` (in the pictures' coordinates).
struct HandPlace {
    int changedPixels = 0;
    double nearestToMouse = 1e9;    // distance from the mouse to the nearest changed pixel
    int highestAboveMouse = 0;      // how far the highest changed pixels lie above the mouse
    double highestRightOfMouse = 0; // how far their middle lies right of the mouse
    QString describe() const;
};
HandPlace handPlace(const QImage& before, const QImage& after, QPoint mouse);
// The fingertip is on the mouse and nothing of the hand rises above its outline.
bool fingertipOnMouse(const HandPlace& place);

// Whether every channel of `a` lies within `tolerance` of `b`'s.
bool near(const QColor& a, const QColor& b, int tolerance);

// Pixels near `colour` in `area`, and their mean x.
struct ColourSpread {
    int count = 0;
    double meanX = 0;
};
ColourSpread spreadOf(const QImage& image, const QRect& area, const QColor& colour,
                      int tolerance = 30);

// Mean brightness, 0 to 255.
double brightness(const QImage& image);

// Saves `image` as NAME.png in $HANDWICK_E2E_SHOTS when that is set, to look at.
void keep(const QImage& image, const QString& name);

} // namespace ScreenCheck
