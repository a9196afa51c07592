#include "platform/WindowSurface.h"
#include "platform/headless/BackingStoreSurface.h"
#include "platform/x11/X11SharedSurface.h"

#include <QPainter>
#include <QWindow>

std::unique_ptr<WindowSurface> WindowSurface::forWindow(QWindow& window) {
    if (auto shared = X11SharedSurface::make(window)) return shared;
    return std::make_unique<BackingStoreSurface>(window);
}

BackingStoreSurface::BackingStoreSurface(QWindow& window)
    : m_window(window), m_store(&window),
      m_picture(window.size() * window.devicePixelRatio(), QImage::Format_ARGB32_Premultiplied) {
    m_picture.setDevicePixelRatio(window.devicePixelRatio());
    m_picture.fill(Qt::transparent);
}

void BackingStoreSurface::show(const QRegion& region) {
    if (region.isEmpty() || !m_window.isExposed()) return;
    if (m_store.size() != m_window.size()) m_store.resize(m_window.size());
    m_store.beginPaint(region);
    {
        QPainter painter(m_store.paintDevice());
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        const double ratio = m_picture.devicePixelRatio();
        for (const QRect& r : region)
            painter.drawImage(QRectF(r), m_picture,
                              QRectF(QPointF(r.topLeft()) * ratio, QSizeF(r.size()) * ratio));
    }
    m_store.endPaint();
    m_store.flush(region);
}
