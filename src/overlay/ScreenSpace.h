#pragma once
// The one place where the model's coordinates meet Qt's. The model uses
// points with y up and the origin at the bottom-left corner of the main
// screen; Qt uses y down from the top-left of the virtual desktop.

#include <QList>
#include <QPointF>
#include <QRectF>

class QScreen;

namespace ScreenSpace {
// Screens with the main (primary) one first, the others in Qt's order; of
// screens with the same geometry (mirrored), only the first.
QList<QScreen*> screensMainFirst();

// `mainGeometry` is the main screen's geometry in Qt's global coordinates.
QPointF toModel(QPointF qtGlobal, const QRectF& mainGeometry);
QRectF frameToModel(const QRectF& qtGeometry, const QRectF& mainGeometry);

// The same, against the current main screen (a 0-size screen if there is none).
QPointF toModel(QPointF qtGlobal);
QRectF frameToModel(const QRectF& qtGeometry);
// Whether a screen with this model frame holds the point. The mouse reports
// whole Qt pixels, which land on y in (bottom, top] after the flip: the top
// pixel row is y = top, and a row shared by two stacked screens goes to one.
bool holds(const QRectF& modelFrame, QPointF point);

// The mouse position in model coordinates, without an event.
QPointF mouseLocation();
} // namespace ScreenSpace
