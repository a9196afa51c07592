#include "overlay/OverlayWindow.h"
#include "layers/LayerRenderer.h"
#include "overlay/FrameStats.h"
#include "overlay/OverlayInput.h"
#include "overlay/ScreenSpace.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>

OverlayWindow::OverlayWindow(QScreen* screen, OverlayInput& input, FrameStats::Log* stats)
    : QWidget(nullptr, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                           Qt::X11BypassWindowManagerHint | Qt::Tool),
      m_input(input), m_stats(stats), m_screen(screen), m_qtGeometry(screen->geometry()),
      m_view(screen->geometry().size(), screen->devicePixelRatio()) {
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_DeleteOnClose, false);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::BlankCursor);
    setScreen(screen);
    setGeometry(m_qtGeometry);
}

QRectF OverlayWindow::modelFrame() const {
    return ScreenSpace::frameToModel(m_qtGeometry);
}

bool OverlayWindow::covers(const QScreen* screen) const {
    return screen && screen == m_screen && screen->geometry() == m_qtGeometry &&
           screen->devicePixelRatio() == m_view.scale();
}

void OverlayWindow::flushDamage() {
    const QRegion region = m_view.root->dirtyRegion();
    if (region.isEmpty()) return;
    m_view.root->clearDirtyRegion();
    update(region);
}

void OverlayWindow::paintEvent(QPaintEvent* event) {
    const FrameStats::PaintScope stats(m_stats, event->region(), devicePixelRatioF());
    QPainter painter(this);
    // Qt has already cleared the region to transparent; the layers do the rest.
    LayerRenderer::paint(painter, *m_view.root, event->region());
}

QPointF OverlayWindow::viewPoint(const QMouseEvent& event) const {
    // Qt's window coordinates are y down; the view's are y up.
    return {event.position().x(), height() - event.position().y()};
}

void OverlayWindow::mousePressEvent(QMouseEvent* event) {
    event->accept(); // never let a click through
    m_input.pressed(viewPoint(*event), event->button(), m_view);
}

void OverlayWindow::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    m_input.moved(viewPoint(*event), event->buttons(), event->modifiers(), m_view);
}

void OverlayWindow::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    m_input.released(event->button(), m_view);
}

void OverlayWindow::keyPressEvent(QKeyEvent* event) {
    if (m_input.keyPressed(*event))
        event->accept();
    else
        QWidget::keyPressEvent(event);
}
