#pragma once
// The one place where the model's coordinates meet Qt's. The model uses
// points with y up and the origin at the bottom-left corner of the main
// screen; Qt uses y down from the top-left of the virtual desktop.

#include <QList>
#include <QPointF>
#include <QRectF>

class QScreen;

namespace ScreenSpace {
// Screens with the main (primary) one first, the others in Qt's order.
QList<QScreen*> screensMainFirst();

// `mainGeometry` is the main screen's geometry in Qt's global coordinates.
QPointF toModel(QPointF qtGlobal, const QRectF& mainGeometry);
QRectF frameToModel(const QRectF& qtGeometry, const QRectF& mainGeometry);

// The same, against the current main screen (a 0-size screen if there is none).
QPointF toModel(QPointF qtGlobal);
QRectF frameToModel(const QRectF& qtGeometry);
// The mouse position in model coordinates, without an event.
QPointF mouseLocation();
} // namespace ScreenSpace
