#pragma once
#include <QImage>
#include <QPointF>

// Where the fingertip and the wrist of a cut-out hand are, in pixels from the
// image's top-left corner, y downward. Found from the transparency alone.
struct Landmarks {
    QPointF tip;
    QPointF wrist;

    // A pixel belongs to the hand when its alpha is at least 129. The tip is the
    // middle hand pixel of the top-most row that has any; the wrist is the middle
    // of the bottom-most row with more than three. Without them: (W/2, 0), (W/2, H).
    static Landmarks find(const QImage& cutOut);
};
