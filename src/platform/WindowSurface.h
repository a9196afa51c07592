#pragma once
// Where a window's pixels live: one picture of the whole window kept on this
// side, painted where it changed and then shown there. Nothing else paints
// the window, so nothing is cleared or copied behind the painter's back.

#include <QImage>
#include <QRegion>
#include <memory>

class QWindow;

class WindowSurface {
  public:
    virtual ~WindowSurface() = default;

    // On X11 the picture lies in memory shared with the server, so showing a
    // part of it copies nothing here; elsewhere it goes through Qt's backing
    // store. `window` must exist natively and outlive the surface.
    static std::unique_ptr<WindowSurface> forWindow(QWindow& window);

    // The whole window in device pixels, at the window's device pixel ratio,
    // transparent at first.
    virtual QImage& picture() = 0;
    // Returns once `region` (logical pixels) of the picture may be painted:
    // the server has finished reading what was last shown there.
    virtual void prepare(const QRegion& region) = 0;
    // Shows `region` (logical pixels) of the picture on the window.
    virtual void show(const QRegion& region) = 0;
};
