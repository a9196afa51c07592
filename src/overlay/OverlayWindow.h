#pragma once
// A borderless window that covers one screen above everything else, takes
// every click and key (nothing underneath is ever clicked), hides the system
// cursor, and paints its overlay layer tree, repainting only what changed.
// It paints and shows its own pixels: no widget machinery stands between the
// layer tree and the screen.

#include "overlay/FrameStats.h"
#include "overlay/OverlayView.h"

#include <QPointer>
#include <QRectF>
#include <QScreen>
#include <QWindow>
#include <memory>

class OverlayInput;
class WindowSurface;

class OverlayWindow : public QWindow {
    Q_OBJECT
  public:
    // Mouse and keys go to `input`; paints are measured into `stats` if given.
    OverlayWindow(QScreen* screen, OverlayInput& input, FrameStats::Log* stats = nullptr);
    ~OverlayWindow() override;

    OverlayView& view() { return m_view; }
    const OverlayView& view() const { return m_view; }
    QScreen* targetScreen() const { return m_screen; }
    // The window's frame in model coordinates (points, y up, main screen origin).
    QRectF modelFrame() const;

    // Whether this window still covers `screen` exactly as when it was made.
    bool covers(const QScreen* screen) const;

    // Without a compositor a translucent window shows black where it is clear:
    // then the window takes the shape of what it paints (hard edges).
    void setShaped(bool shaped);

    // Paints and shows whatever the layer tree marked as changed since the
    // last call, at once.
    void flushDamage();

  protected:
    void exposeEvent(QExposeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QPointF viewPoint(const QMouseEvent& event) const;
    bool inside(const QMouseEvent& event) const;
    WindowSurface& surface();
    // Paints the layers over `region` of `picture`; answers the CPU time a
    // worker spent on it, when measuring.
    int64_t paint(QImage& picture, const QRegion& region);
    void reshape(const QRegion& region);

    OverlayInput& m_input;
    FrameStats::Log* m_stats;
    QPointer<QScreen> m_screen;
    QRect m_qtGeometry;
    OverlayView m_view;
    bool m_shaped = false;
    bool m_painted = false; // the whole picture was painted once
    QRegion m_shape;        // what is painted, while shaped
    std::unique_ptr<WindowSurface> m_surface;
    WId m_surfaceFor = 0; // the native window the surface shows on
};
