// Tapping, drawing, ink bookkeeping and keys: filled in with the drawing tools.
#include "overlay/Pointer.h"

#include <QKeyEvent>

void Pointer::down(QPointF, OverlayView&) { m_motion.poke = 1.0; }
void Pointer::dragged(QPointF, bool, OverlayView&) {}
void Pointer::up(OverlayView&) {}
void Pointer::demoInk(const std::vector<DemoStroke>&, const std::vector<QPointF>&) {}
void Pointer::add(const LayerPtr&) {}
void Pointer::remove(const LayerPtr&) {}
void Pointer::undo() {}
void Pointer::choose(Tool) {}
void Pointer::ripple(QPointF, OverlayView&) {}

bool Pointer::key(const QKeyEvent& event) {
    if (event.key() == Qt::Key_Escape) {
        turnOff();
        return true;
    }
    return false;
}
