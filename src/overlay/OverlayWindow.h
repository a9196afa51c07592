#pragma once
// A borderless window that covers one screen above everything else, takes
// every click and key (nothing underneath is ever clicked), hides the system
// cursor, and paints its overlay layer tree, repainting only what changed.

#include "overlay/OverlayView.h"

#include <QPointer>
#include <QRectF>
#include <QScreen>
#include <QWidget>


class OverlayWindow : public QWidget {
    Q_OBJECT
public:
    explicit OverlayWindow(QScreen* screen);

    OverlayView& view() { return m_view; }
    const OverlayView& view() const { return m_view; }
    QScreen* targetScreen() const { return m_screen; }
    // The window's frame in model coordinates (points, y up, main screen origin).
    QRectF modelFrame() const;

    // Repaints whatever the layer tree marked as changed since the last call.
    void flushDamage();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QPointF viewPoint(const QMouseEvent& event) const;

    QPointer<QScreen> m_screen;
    QRect m_qtGeometry;
    OverlayView m_view;
};
