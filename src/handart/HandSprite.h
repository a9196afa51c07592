#pragma once
#include <QColor>
#include <QImage>
#include <QPointF>
#include <QSizeF>

// A painted hand ready to be shown: `image` is size × scale pixels (its device
// pixel ratio is the scale); `tip` and `wrist` are in points from the image's
// top-left corner, y downward. The fingertip is what gets pinned to the mouse.
struct HandSprite {
    QImage image;
    QSizeF size;
    QPointF tip;
    QPointF wrist;
    QColor stick;
};
