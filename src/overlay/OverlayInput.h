#pragma once
// What an overlay window reports the mouse and keys to. Points are in the
// view's coordinates (points, y up, origin at its bottom-left).

#include <QPointF>
#include <Qt>

class OverlayView;
class QKeyEvent;

class OverlayInput {
  public:
    virtual ~OverlayInput() = default;
    virtual void pressed(QPointF point, Qt::MouseButton button, OverlayView& view) = 0;
    virtual void moved(QPointF point, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers,
                       OverlayView& view) = 0;
    virtual void released(Qt::MouseButton button, OverlayView& view) = 0;
    // False when the key is not the overlay's to handle.
    virtual bool keyPressed(const QKeyEvent& event) = 0;
};
