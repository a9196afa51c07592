#include "overlay/OverlayWindow.h"
#include "common/PoolWorker.h"
#include "layers/LayerRenderer.h"
#include "overlay/FrameStats.h"
#include "overlay/OverlayInput.h"
#include "overlay/ScreenSpace.h"
#include "platform/WindowSurface.h"

#include <QBitmap>
#include <QExposeEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QSurfaceFormat>

OverlayWindow::OverlayWindow(QScreen* screen, OverlayInput& input, FrameStats::Log* stats)
    : m_input(input), m_stats(stats), m_screen(screen), m_qtGeometry(screen->geometry()),
      m_view(screen->geometry().size(), screen->devicePixelRatio()) {
    setFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::X11BypassWindowManagerHint |
             Qt::Tool);
    setSurfaceType(QSurface::RasterSurface);
    QSurfaceFormat format;
    format.setAlphaBufferSize(8); // see-through where nothing is painted
    setFormat(format);
    setCursor(Qt::BlankCursor);
    setScreen(screen);
    setGeometry(m_qtGeometry);
}

// The surface goes first: it still speaks of the native window.
OverlayWindow::~OverlayWindow() {
    m_surface.reset();
}

QRectF OverlayWindow::modelFrame() const {
    return ScreenSpace::frameToModel(m_qtGeometry);
}

bool OverlayWindow::covers(const QScreen* screen) const {
    return screen && screen == m_screen && screen->geometry() == m_qtGeometry &&
           screen->devicePixelRatio() == m_view.scale();
}

WindowSurface& OverlayWindow::surface() {
    create();
    // A native window made anew (Qt may, for a window moved to another
    // screen) needs a surface of its own, painted whole.
    if (m_surface && m_surfaceFor == winId()) return *m_surface;
    m_surface.reset();
    m_surface = WindowSurface::forWindow(*this);
    m_surfaceFor = winId();
    m_painted = false;
    return *m_surface;
}

void OverlayWindow::flushDamage() {
    WindowSurface& surface = this->surface(); // made first: a new one is painted whole
    QRegion region = m_view.root->dirtyRegion();
    if (!m_painted) region = QRect(QPoint(), size());
    if (region.isEmpty()) return;
    m_view.root->clearDirtyRegion();
    m_painted = true;
    FrameStats::PaintScope stats(m_stats, region, devicePixelRatio());
    surface.prepare(region);
    stats.addElsewhere(paint(surface.picture(), region));
    if (m_shaped) reshape(region);
    surface.show(region);
}

void OverlayWindow::exposeEvent(QExposeEvent*) {
    if (!isExposed()) return;
    surface(); // a new one is painted whole
    if (!m_painted)
        flushDamage();
    else
        surface().show(QRect(QPoint(), size()));
}

// Painted on a pool worker, where the painter's fills are not split up.
int64_t OverlayWindow::paint(QImage& picture, const QRegion& region) {
    int64_t workerNanos = 0;
    const bool measured = m_stats;
    PoolWorker::run([&] {
        const int64_t start = measured ? FrameStats::threadCpuNanos() : 0;
        QPainter painter(&picture);
        LayerRenderer::repaint(painter, *m_view.root, region);
        painter.end();
        if (measured) workerNanos = FrameStats::threadCpuNanos() - start;
    });
    return workerNanos;
}

void OverlayWindow::setShaped(bool shaped) {
    if (shaped == m_shaped) return;
    m_shaped = shaped;
    m_shape = QRegion();
    create(); // the shape belongs to the native window: it must exist before showing
    setMask(QRegion());
    surface(); // a new one is painted whole
    if (!m_painted) {
        flushDamage(); // paints, shapes and shows the whole window
        return;
    }
    const QRect all(QPoint(), size());
    if (shaped) reshape(all);
    surface().show(all);
}

// The opaque pixels of the changed area (half covered or more) become the
// window's shape there, and soft shadows fall away.
void OverlayWindow::reshape(const QRegion& region) {
    const QRect area = region.boundingRect() & QRect(QPoint(), size());
    if (area.isEmpty()) return;
    const QImage& picture = surface().picture();
    const double ratio = picture.devicePixelRatio();
    const QRect pixels(area.topLeft() * ratio, area.size() * ratio);
    QImage opaque = picture.copy(pixels).createAlphaMask(Qt::ThresholdAlphaDither);
    opaque.setDevicePixelRatio(1);
    QRegion painted(QBitmap::fromImage(opaque));
    if (ratio != 1) painted = QTransform::fromScale(1 / ratio, 1 / ratio).map(painted);
    m_shape = m_shape.subtracted(region).united(painted.translated(area.topLeft()) & region);
    // An empty mask means no shape at all; one pixel off the window shows nothing.
    setMask(m_shape.isEmpty() ? QRegion(-1, -1, 1, 1) : m_shape);
}

QPointF OverlayWindow::viewPoint(const QMouseEvent& event) const {
    // Qt's window coordinates are y down; the view's are y up.
    return {event.position().x(), height() - event.position().y()};
}

bool OverlayWindow::inside(const QMouseEvent& event) const {
    return QRect(QPoint(), size()).contains(event.position().toPoint());
}

void OverlayWindow::mousePressEvent(QMouseEvent* event) {
    event->accept(); // never let a click through
    // Held while shaped, this window also hears the other screens: swallowed there.
    if (!inside(*event)) return;
    m_input.pressed(viewPoint(*event), event->button(), m_view);
}

void OverlayWindow::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    // Over another screen only the motion counts (the hand follows), never a drag.
    m_input.moved(viewPoint(*event), inside(*event) ? event->buttons() : Qt::NoButton,
                  event->modifiers(), m_view);
}

void OverlayWindow::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (!inside(*event)) return;
    m_input.released(event->button(), m_view);
}

void OverlayWindow::keyPressEvent(QKeyEvent* event) {
    if (m_input.keyPressed(*event))
        event->accept();
    else
        QWindow::keyPressEvent(event);
}
