#include "overlay/OverlayWindow.h"
#include "layers/LayerRenderer.h"
#include "overlay/FrameStats.h"
#include "overlay/OverlayInput.h"
#include "overlay/ScreenSpace.h"

#include <QBitmap>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QSemaphore>
#include <QThreadPool>
#include <QWindow>

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
    if (m_shaped) reshape(region);
    update(region);
}

void OverlayWindow::paintEvent(QPaintEvent* event) {
    const FrameStats::PaintScope stats(m_stats, event->region(), devicePixelRatioF());
    const QRegion region = event->region();
    // Without a compositor the change was painted aside already, for its shape.
    paintAside(region - m_freshAside);
    m_freshAside = QRegion();
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    const double ratio = m_aside.devicePixelRatio();
    for (const QRect& r : region)
        painter.drawImage(QRectF(r), m_aside,
                          QRectF(QPointF(r.topLeft()) * ratio, QSizeF(r.size()) * ratio));
}

// Qt's raster engine hands the rows of every larger fill to the workers of
// its thread pool and waits for them, unless it already runs on one of them.
// For areas the size of a hand that costs far more in hand-offs than it
// saves, so the frame is painted on one worker, in one go. When every worker
// is busy (a photo being cut out), it is painted here instead.
void OverlayWindow::paintAside(const QRegion& region) {
    if (region.isEmpty()) return;
    const double ratio = devicePixelRatioF();
    if (m_aside.size() != size() * ratio) {
        m_aside = QImage(size() * ratio, QImage::Format_ARGB32_Premultiplied);
        m_aside.setDevicePixelRatio(ratio);
        m_aside.fill(Qt::transparent);
    }
    const auto paint = [this, &region] {
        QPainter side(&m_aside);
        LayerRenderer::repaint(side, *m_view.root, region);
    };
    QSemaphore done;
    if (!QThreadPool::globalInstance()->tryStart([&] {
            paint();
            done.release();
        })) {
        paint();
        return;
    }
    done.acquire();
}

void OverlayWindow::setShaped(bool shaped) {
    if (shaped == m_shaped) return;
    m_shaped = shaped;
    m_shape = QRegion();
    create(); // the shape belongs to the native window: it must exist before showing
    if (QWindow* window = windowHandle()) window->setMask(QRegion());
    if (shaped) reshape(rect());
    update();
}

// The changed area is painted aside first: its opaque pixels (half covered
// or more) become the window's shape there, and soft shadows fall away. Qt
// paints only inside the shape, so the shape is known before the paint.
void OverlayWindow::reshape(const QRegion& region) {
    const QRect area = region.boundingRect() & rect();
    if (area.isEmpty()) return;
    paintAside(region);
    m_freshAside += region;
    const double ratio = m_aside.devicePixelRatio();
    const QRect pixels(area.topLeft() * ratio, area.size() * ratio);
    QImage opaque = m_aside.copy(pixels).createAlphaMask(Qt::ThresholdAlphaDither);
    opaque.setDevicePixelRatio(1);
    QRegion painted(QBitmap::fromImage(opaque));
    if (ratio != 1) painted = QTransform::fromScale(1 / ratio, 1 / ratio).map(painted);
    m_shape = m_shape.subtracted(region).united(painted.translated(area.topLeft()) & region);
    // An empty mask means no shape at all; one pixel off the window shows nothing.
    if (QWindow* window = windowHandle())
        window->setMask(m_shape.isEmpty() ? QRegion(-1, -1, 1, 1) : m_shape);
}

QPointF OverlayWindow::viewPoint(const QMouseEvent& event) const {
    // Qt's window coordinates are y down; the view's are y up.
    return {event.position().x(), height() - event.position().y()};
}

void OverlayWindow::mousePressEvent(QMouseEvent* event) {
    event->accept(); // never let a click through
    // Held while shaped, this window also hears the other screens: swallowed there.
    if (!rect().contains(event->position().toPoint())) return;
    m_input.pressed(viewPoint(*event), event->button(), m_view);
}

void OverlayWindow::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    // Over another screen only the motion counts (the hand follows), never a drag.
    const bool here = rect().contains(event->position().toPoint());
    m_input.moved(viewPoint(*event), here ? event->buttons() : Qt::NoButton, event->modifiers(),
                  m_view);
}

void OverlayWindow::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (!rect().contains(event->position().toPoint())) return;
    m_input.released(event->button(), m_view);
}

void OverlayWindow::keyPressEvent(QKeyEvent* event) {
    if (m_input.keyPressed(*event))
        event->accept();
    else
        QWidget::keyPressEvent(event);
}
